#pragma once
// The game in progress: whose turn it is, who plays which colour, the
// position, the record of every ply and the move list on screen. The game
// controller owns one instance; tests build their own. The clocks are not
// here: GameClocks owns them, and each ply record keeps their values.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/board.h"
#include "files/fiche_coup.h"
#include "files/game_file.h"
#include "files/outcome.h"
#include "game/match_mode.h"
#include "game/rating.h"

namespace selvako {

// The list box of the "Coups joués" page: one line per move pair.
struct MoveList {
    std::vector<std::string> lines;
    int selected = -1;

    void clear() {
        lines.clear();
        selected = -1;
    }
};

// A board click recorded while something else ran, for the next pass of the
// game loop. The view has already turned the pixel into a square.
struct PendingClick {
    bool waiting = false;
    Square square = 0;
    // Made while the computer was still to answer: meant for the position
    // before its reply, so it may pick a piece up but never play by itself.
    bool before_reply = false;
};

// A rated match: both ratings before the game and each player's line in the
// player list (-1 for a player who has none).
struct MatchPlayers {
    Ratings classements{1500, 2050};
    std::int32_t index_blanc = -1;
    std::int32_t index_noir = 0;
};

struct GameState {
    // The position of the ply on show: the one board of the game, which the
    // views draw and which the search copies when it starts.
    BoardArray damier_affiche = start_position();
    std::uint8_t couleur_ordinateur = BLACK;
    std::uint8_t ordinateur_au_trait = 0;
    MatchMode mode_match = MatchMode::none;
    std::uint8_t mode_edition = 0;
    std::uint8_t num_demi_coup = 0;
    std::int32_t longueur_partie = 0;
    std::array<FicheCoup, HISTORY_PLIES> historique{};
    PlayerName nom_blanc = make_name("Inconnu");
    PlayerName nom_noir = make_name("Selvako");

    PendingClick clic_en_attente;
    std::uint8_t coup_demande = 0;
    std::uint8_t fin_programme = 0;
    std::uint8_t nb_coups_legaux = 0;
    std::array<Square, 2> dernier_coup{};
    // The computer must not think on the human's time until the next move.
    std::uint8_t sans_reflexion = 0;

    // The move that noter_coup writes into the next record.
    std::uint8_t taken_to_record = 0;
    Square from_to_record = 0;
    Square to_to_record = 0;
    // Side to move at ply 0: Black after a set-up position handed to Black,
    // so that the move list numbers Black's first move "1. ... ". The one
    // record of who moves: every later ply alternates from it.
    std::uint8_t premier_trait = WHITE;

    // The side to move in the position on show.
    std::uint8_t trait() const { return trait_at(num_demi_coup); }
    std::uint8_t trait_at(int ply) const {
        return static_cast<std::uint8_t>(premier_trait ^ (ply & 1));
    }
    // Makes `side` the side to move in the position on show.
    void set_trait(std::uint8_t side) {
        premier_trait = static_cast<std::uint8_t>((side ^ num_demi_coup) & 1);
    }

    MoveList liste_coups;
    PersistentSettings settings;
    MatchPlayers match;
    // The result of the last game that ended, for the text export.
    Outcome dernier_resultat = Outcome::none;
};

} // namespace selvako
