#pragma once
// "A propos": the program's name, its version and who wrote it, in the
// interface language.

#include <QDialog>
#include <QLabel>

namespace selvako {

class AboutPanel : public QDialog {
    Q_OBJECT
  public:
    explicit AboutPanel(QWidget* parent = nullptr);

    // Writes the texts in language `langue`; `version` is the program's.
    void set_texts(int langue, const QString& version);

    const QLabel* version_label() const { return m_version; }
    const QLabel* credits_label() const { return m_credits; }

  private:
    QLabel* m_title = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_description = nullptr;
    QLabel* m_credits = nullptr;
};

} // namespace selvako
