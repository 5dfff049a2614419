#pragma once
// The coloured frames the board shows around squares while a move is being
// entered or shown, one RGB value per square.

#include <array>
#include <cstdint>

#include "engine/board.h"

namespace selvako {

inline constexpr std::uint32_t FRAME_NONE = 0xFFFFFFFF;
inline constexpr std::uint32_t FRAME_RED = 0xFF0000;
inline constexpr std::uint32_t FRAME_BLUE = 0x0000FF;
inline constexpr std::uint32_t FRAME_MAGENTA = 0xFF00FF;

using SquareFrames = std::array<std::uint32_t, BOARD_CELLS>;

inline SquareFrames no_frames() {
    SquareFrames frames;
    frames.fill(FRAME_NONE);
    return frames;
}

} // namespace selvako
