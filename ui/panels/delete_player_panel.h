#pragma once
// "Effacer un joueur" (`Efface_j`): the list of names; the computer's line
// cannot be chosen.

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "files/player_files.h"

namespace selvako {

class DeletePlayerPanel : public QFrame {
    Q_OBJECT
  public:
    explicit DeletePlayerPanel(QWidget* parent);

    void set_captions(int langue);
    void set_players(const PlayerList& list);
    QListWidget* list() const { return m_list; }
    QPushButton* ok_button() const { return m_bitbtn20; }
    QPushButton* cancel_button() const { return m_bitbtn12; }

  signals:
    void accepted(int index);

  private:
    QLabel* m_label18;
    QListWidget* m_list;
    QLineEdit* m_joueur_efface;
    QPushButton* m_bitbtn20;
    QPushButton* m_bitbtn12;
};

} // namespace selvako
