#pragma once
// "Changer les noms" (`Joueurs`): the names of White and Black in the game on show.

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace selvako {

class ChangeNamesPanel : public QFrame {
    Q_OBJECT
  public:
    explicit ChangeNamesPanel(QWidget* parent);

    void set_captions(int langue);
    void set_names(const QString& blanc, const QString& noir);
    QLineEdit* blanc() const { return m_blanc; }
    QLineEdit* noir() const { return m_noir; }
    QPushButton* ok_button() const { return m_okjoueur; }

  signals:
    void accepted(const QString& blanc, const QString& noir);

  private:
    QLabel* m_label_blanc;
    QLabel* m_label_noir;
    QLineEdit* m_blanc;
    QLineEdit* m_noir;
    QPushButton* m_okjoueur;
    QPushButton* m_cancel_joueurs;
};

} // namespace selvako
