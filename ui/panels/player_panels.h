#pragma once
// The new-game panel and the Joueurs menu's panels (new player, delete a
// player, change the names): they show the controller's player list and
// send what the user chose; the controller keeps the files.

#include <QObject>

#include <vector>

#include "ui/window/window_context.h"

class QWidget;

namespace selvako {

class ChangeNamesPanel;
class DeletePlayerPanel;
class NewGamePanel;
class NewPlayerPanel;

class PlayerPanels : public QObject {
    Q_OBJECT
  public:
    // The panels float over `board`.
    PlayerPanels(const WindowContext& context, QWidget* board);

    std::vector<QWidget*> panels() const;
    void set_captions(int langue);

    void Nouveau2Click();
    void Match21Click();
    void Effacerunjoueur1Click();
    void Changerlesnoms1Click();

  signals:
    // A game is about to start with the computer playing `couleur_ordinateur`.
    void game_starting(int couleur_ordinateur);
    void cancelled();

  private:
    void start_game(const Command& c, int couleur_ordinateur);

    const WindowContext& m_context;
    NewGamePanel* m_nouvelle_partie = nullptr;
    NewPlayerPanel* m_nouveau_joueur = nullptr;
    DeletePlayerPanel* m_efface_j = nullptr;
    ChangeNamesPanel* m_joueurs_panel = nullptr;
};

} // namespace selvako
