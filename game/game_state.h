#pragma once
// The game in progress: whose turn it is, who plays which colour, the board
// the views draw, the record of every ply and the move list on screen. The
// application owns one instance; tests build their own.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/board.h"
#include "game/fiche_coup.h"

namespace selvako {

// Plies 0..254 fit in the record; ply 0 is the start position.
inline constexpr int HISTORY_PLIES = 255;
inline constexpr int LAST_PLY = HISTORY_PLIES - 1;

// The settings that travel from one run to the next inside the automatic game file.
struct PersistentSettings {
    std::int32_t budget_recherche = 160;
    std::int32_t temps_alloue = 178;
    std::int32_t minutes_autre = 3;
    std::uint8_t niveau = 5;
    std::uint8_t langue = 0;
    std::int16_t taille_tables = 100;
};

// The list box of the "Coups joués" page: one line per move pair.
struct MoveList {
    std::vector<std::string> lines;
    int selected = -1;

    void clear() {
        lines.clear();
        selected = -1;
    }
};

struct PendingClick {
    bool waiting = false;
    int x = 0;
    int y = 0;
};

struct GameState {
    BoardArray damier_affiche = start_position();
    std::uint8_t trait = WHITE;
    std::uint8_t couleur_ordinateur = BLACK;
    std::uint8_t ordinateur_au_trait = 0;
    std::uint8_t adversaire_ordinateur = 1;
    std::uint8_t mode_match = 0;
    std::uint8_t mode_edition = 0;
    std::uint8_t num_demi_coup = 0;
    std::int32_t longueur_partie = 0;
    std::array<FicheCoup, HISTORY_PLIES> historique{};
    PlayerName nom_blanc = make_name("Inconnu");
    PlayerName nom_noir = make_name("Selvako");
    std::int32_t temps_blanc = 0;
    std::int32_t temps_noir = 0;

    std::uint8_t arret_demande = 0;
    std::uint8_t navigation_historique = 0;
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
    // Side to move after the last recorded ply, for "Aller à la fin".
    std::uint8_t trait_fin = WHITE;

    MoveList liste_coups;
    PersistentSettings settings;
};

} // namespace selvako
