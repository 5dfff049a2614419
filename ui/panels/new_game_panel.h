#pragma once
// The new-game panel `Nouvelle_partie`: a training game against the
// computer, a rated match, or two humans on one board. It shows the player
// list it is given and says what the user asked for; the window decides with
// the controller whether the game can start.

#include <QButtonGroup>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include "files/player_files.h"

namespace selvako {

class NewGamePanel : public QFrame {
    Q_OBJECT
  public:
    enum Page { ENTRAINEMENT = 0, MATCH = 1, HUMAIN = 2 };

    explicit NewGamePanel(QWidget* parent);

    void set_captions(int langue);
    // The names on every page, the ratings on the match page.
    void set_players(const PlayerList& list);
    // The computer's colour chosen on the training or the match page.
    int couleur_ordinateur(Page page) const;

    QTabWidget* pages() const { return m_pages; }
    QLineEdit* joueur0() const { return m_joueur0; }
    QLineEdit* joueur1() const { return m_joueur1; }
    QLineEdit* blanc() const { return m_blanc; }
    QLineEdit* noir() const { return m_noir; }
    QListWidget* match_list() const { return m_listbox9; }
    QPushButton* start_button(Page page) const { return m_start[page]; }
    QPushButton* reset_button() const { return m_ramener; }

  signals:
    void training_requested(const QString& name, int couleur_ordinateur);
    void match_requested(const QString& name, int couleur_ordinateur);
    void human_game_requested(const QString& blanc, const QString& noir);
    void reset_computer_requested();
    void cancelled();

  private:
    QWidget* computer_page(QListWidget*& list, QLineEdit*& field, QButtonGroup*& colour,
                           const char* label_key, const char* start_key);

    QTabWidget* m_pages = nullptr;
    QListWidget* m_listbox8 = nullptr;
    QListWidget* m_listbox9 = nullptr;
    QListWidget* m_listbox10 = nullptr;
    QListWidget* m_listbox11 = nullptr;
    QLineEdit* m_joueur0 = nullptr;
    QLineEdit* m_joueur1 = nullptr;
    QLineEdit* m_blanc = nullptr;
    QLineEdit* m_noir = nullptr;
    QButtonGroup* m_couleur_entrainement = nullptr;
    QButtonGroup* m_couleur_match = nullptr;
    QPushButton* m_start[3] = {};
    QPushButton* m_cancel[3] = {};
    QPushButton* m_ramener = nullptr;
    std::vector<std::pair<QWidget*, const char*>> m_captioned;
};

} // namespace selvako
