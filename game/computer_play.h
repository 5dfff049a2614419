#pragma once
// What game control keeps about the computer's play between its moves, and
// the rules that decide, around a search, what the computer does.

#include <array>
#include <cstdint>

#include "game/game_state.h"
#include "game/levels.h"

namespace selvako {

struct ComputerPlay {
    // The last search ran on the human's position (thinking on his time).
    bool reflexion = false;
    // Thinking on the human's time has run in the present human turn.
    bool reflexion_ce_tour = false;
    // The index in the root list of the move the computer played last.
    int coup_choisi = 0;
    // The root score of the last search, from the side the computer played there.
    std::int16_t dernier_score = 0;
    // Pieces on the board after each computer move, by ply number.
    std::array<std::int32_t, HISTORY_PLIES> materiel_par_coup{};
};

inline constexpr std::uint8_t NIVEAU_NEOPHYTE = 0;

// The beginner level gives away the best move when the computer is ahead:
// it plays the second root move instead, provided it searched and had a choice.
bool handicap_debutant(std::uint8_t niveau, int computer_pieces, int opponent_pieces,
                       int legal_moves, bool searched);

struct PonderingInput {
    bool option_checked = false; // "Réflexion sur temps adverse"
    bool editor_active = false;
    std::uint8_t sans_reflexion = 0;
    bool analyse_en_cours = false;
    bool already_this_turn = false;
};

// Thinking on the human's time starts at most once per human turn.
bool may_ponder(const PonderingInput& input);

// The deepest a search on the human's time may go: a level of fixed depth
// (`budget_recherche` 1..5 searches B + 1 plies) thinks no deeper on his
// time than on its own; a timed level has no bound (0).
int ponder_depth_limit(std::int32_t budget_recherche);

} // namespace selvako
