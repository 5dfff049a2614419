#pragma once
// The end-of-game panel shown over the board: who won, and an OK button
// that hides it.

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace selvako {

class EndOfGamePanel : public QFrame {
    Q_OBJECT
  public:
    explicit EndOfGamePanel(QWidget* parent);

    void show_result(const QString& qui_gagne, const QString& message);
    QString result_text() const { return m_qui_gagne->text(); }
    QPushButton* ok_button() const { return m_bitbtn13; }

  signals:
    void closed();

  private:
    QLabel* m_qui_gagne;
    QLabel* m_message;
    QPushButton* m_bitbtn13;
};

} // namespace selvako
