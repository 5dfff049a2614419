#pragma once
// The end-of-game panel shown over the board: who won, after a rated match
// how both ratings moved, and an OK button that hides it. It takes the width
// its text needs and stands clear of the last move, so that the final
// position can still be read.

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
    // The area of its parent the panel must not cover when it can help it
    // (the squares of the last move).
    void keep_clear(const QRect& area) { m_keep_clear = area; }

  signals:
    void closed();

  private:
    QLabel* m_qui_gagne;
    QLabel* m_resultat_blanc;
    QLabel* m_resultat_noir;
    QLabel* m_message;
    QPushButton* m_bitbtn13;
    QRect m_keep_clear;

    void place();
};

} // namespace selvako
