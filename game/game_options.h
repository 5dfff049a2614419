#pragma once
// The options that change how the game is played: the check marks of the
// Fichier and Options menus, held here as plain values. The view shows them
// and sends the whole set back when the user changes one.

namespace selvako {

struct GameOptions {
    bool humain_contre_humain = false;
    bool ordinateur_contre_ordinateur = false;
    bool reflexion_sur_temps_adverse = true;
    bool arret_par_clic = true;
    bool decomposer_prises = true;
    bool bip = true;
    bool autres = true; // the sounds at the end of a game
    // The opening repertoires may answer instead of a search; selvako-cli's
    // --no-book plays without them.
    bool repertoire = true;

    friend bool operator==(const GameOptions&, const GameOptions&) = default;
};

// What the view shows beside the board besides the game itself.
struct GameNotices {
    bool capture = false;      // "Prise majoritaire obligatoire"
    bool zut = false;          // the beginner level gave away its best move
    bool draw_offered = false; // the computer offers a draw
    bool draw_refused = false; // "Nul refusé"
    bool end_of_game = false;  // the end-of-game panel
    // The game has ended: it stays ended, clocks stopped and the board taking
    // no move, after the panel is closed too, until a new game, an opened
    // file or a step through the record.
    bool game_over = false;
};

} // namespace selvako
