#pragma once
// A small ray tracer for the board scenes: the board, its frame and the table
// as boxes and a plane, the pieces as bevelled discs, the kings two discs
// high under a crown; soft shadows from one key light, four rays a pixel.
// Every pixel is computed from its own coordinates only, so a part of the
// picture rendered alone is exactly the same part of the whole picture.

#include <array>
#include <cstdint>
#include <vector>

#include "tools/board3d/looks.h"

namespace selvako::board3d {

// Piece code (0 empty .. 4 black king) on each position 1..32.
using Pieces = std::array<std::uint8_t, 33>;

// The rectangle (x0, y0, width, height) of the picture of theme `theme`
// with `pieces` on the board, drawn at `scale` pixels for each pixel of the
// picture (the rectangle counted in those pixels), as 0xffRRGGBB values row
// by row.
std::vector<std::uint32_t> render(int theme, const Pieces& pieces, int x0, int y0, int width,
                                  int height, int scale = 1);

} // namespace selvako::board3d
