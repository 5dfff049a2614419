#pragma once
// Where a rated match stands. The values are the bytes the game state has
// always given them: a finished match keeps 5 until the next game.

#include <cstdint>

namespace selvako {

enum class MatchMode : std::uint8_t {
    none = 0,    // no rated match: training or a game between humans
    playing = 1, // a rated match in progress: the locks of a match hold
    scored = 5,  // a rated match that ended and changed both ratings; it ends once
};

} // namespace selvako
