#pragma once
// The end-of-game panel shown over the board: who won, after a rated match
// how both ratings moved, and an OK button that hides it.

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace selvako {

class EndOfGamePanel : public QFrame {
    Q_OBJECT
  public:
    explicit EndOfGamePanel(QWidget* parent);

    // `blanc` and `noir` are the rating lines (empty outside a rated match);
    // `message` a note under them, hidden when empty.
    void show_result(const QString& qui_gagne, const QString& blanc, const QString& noir,
                     const QString& message = {});
    QString result_text() const { return m_qui_gagne->text(); }
    QString resultat_blanc() const { return m_resultat_blanc->text(); }
    QString resultat_noir() const { return m_resultat_noir->text(); }
    QPushButton* ok_button() const { return m_bitbtn13; }

  signals:
    void closed();

  private:
    QLabel* m_qui_gagne;
    QLabel* m_resultat_blanc;
    QLabel* m_resultat_noir;
    QLabel* m_message;
    QPushButton* m_bitbtn13;
};

} // namespace selvako
