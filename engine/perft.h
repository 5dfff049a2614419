#pragma once
// Counts the leaf nodes of the move tree with the engine generator, making
// the moves on the engine board; the check against published counts.

#include <cstdint>
#include <vector>

#include "engine/engine_state.h"

namespace selvako {

// With `unique`, two captures with the same from- and to-square and the same
// set of captured squares, taken in another order, count once (as most
// draughts programs count); otherwise every stored move counts.
std::uint64_t perft(EngineState& st, int side, int depth, bool unique);

struct DivideEntry {
    Move move;
    std::uint64_t nodes;
};
std::vector<DivideEntry> perft_divide(EngineState& st, int side, int depth, bool unique);

// Removes from a list the captures that repeat an earlier one with the same
// squares in another order; returns the new count.
int remove_duplicate_captures(Move* moves, int count);

} // namespace selvako
