#pragma once
// How both table formats store a solved distance: one signed byte, the
// distance in plies signed by the result (odd: the side to move wins), -1 for
// a side with no legal move, 0 for a draw, LONGEST_STORED for any longer
// distance.

#include <cstdint>

namespace selvako {

inline constexpr int LONGEST_STORED = 127;

// `draw` is the solver's mark of a position with no forced result.
inline std::int8_t stored_distance(std::uint16_t d, std::uint16_t draw) {
    if (d == draw) return 0;
    if (d == 0) return -1; // no legal move: a loss the encoding could not tell from a draw
    const int plies = d > LONGEST_STORED ? LONGEST_STORED : d;
    return static_cast<std::int8_t>(d % 2 == 1 ? plies : -plies);
}

} // namespace selvako
