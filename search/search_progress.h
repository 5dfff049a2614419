#pragma once
// What a search reports while it runs, as numbers: the window, selvako-cli and
// the tests each turn it into their own text.

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/move.h"

namespace selvako {

// One root move and the value the search last gave it (hundredths of a man
// times two, from the root side's view).
struct RootMoveValue {
    Move move;
    int value = 0;
    bool being_searched = false;
};

// Progress of a search, reported after each iteration and whenever the
// principal variation changes.
struct SearchProgress {
    int depth = 0;
    std::uint32_t nodes = 0;             // of the iteration in progress
    std::optional<std::int32_t> seconds; // spent on this move; none while pondering
    int score = 0;                       // from the root side's view
    std::uint8_t num_demi_coup = 0;
    std::vector<Move> pv;                  // from the root side's move on
    std::vector<RootMoveValue> root_moves; // in the order of the root list
};

} // namespace selvako
