#pragma once
// Solves every endgame table by retrograde analysis over the engine's own move
// generator: the legal moves of each position are generated forward once, the
// graph is turned around, and results spread back from the positions whose
// side to move cannot move, one ply at a time.

#include <array>
#include <cstdint>
#include <vector>

#include "engine/endgame_index.h"

namespace selvako::tables {

// Distance in plies to the end of the game with best play, for every offset of
// a table: odd for a win of the side to move, even for a loss (0: no legal
// move), NO_RESULT for a draw and for offsets that hold no possible position.
inline constexpr std::uint16_t NO_RESULT = 0xFFFF;

struct SolvedTables {
    std::array<std::vector<std::uint16_t>, NUM_ENDGAME_TABLES> distance;
};

SolvedTables solve_all_tables();

} // namespace selvako::tables
