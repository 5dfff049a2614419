#pragma once
// What the menus and buttons of a view may do now. The controller works it
// out from the game (a rated match locks what would help a player or change
// the match's terms; the computer's own search locks what would change the
// game under it) and announces every change (`GameObserver::permissions_changed`);
// a view's items follow it instead of deciding for themselves.

namespace selvako {

struct Permissions {
    bool files = true; // the Fichier menu
    // "Nouveau", "Ouvrir", "Sauver", "Imprimer", "Quitter", "Humain contre humain"
    bool game_items = true;
    bool edition = true;       // the Edition menu
    bool edition_items = true; // its items: the walk through the game, copy and paste
    bool can_navigate = true;  // the four navigation buttons and Ctrl+Z
    bool players = true;       // the Joueurs menu
    bool can_change_level = true;
    bool parameters = true;      // the Paramétrage menu
    bool analysis = true;        // the Analyse menu and the learning of lessons
    bool match_options = true;   // "Réflexion sur temps adverse", "Horloges à zéro",
                                 // "Arrêt du calcul", "Arret réflexion par clic souris"
    bool position_editor = true; // the "Probleme" page and "Installer une position"
    bool offer_draw = true;
    bool can_resign = false; // "Abandonner": only in a rated match
    // A rated match is in progress: everything above that it locks stays locked.
    bool match_locked = false;

    friend bool operator==(const Permissions&, const Permissions&) = default;
};

} // namespace selvako
