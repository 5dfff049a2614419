#pragma once
// Where the 32 sprites of the 3D picture sit, and which square a click on
// the picture falls on. The table is the one the image generator
// (tools/board3d) crops its sprites at; it comes from the generator's camera,
// which checks it on every run. Plain C++: the generator and the tests use it
// without Qt.

#include <array>

#include "engine/board.h"
#include "ui/board/board_geometry.h"

namespace selvako {

inline constexpr int PICTURE_3D_WIDTH = 785;
inline constexpr int PICTURE_3D_HEIGHT = 521;
inline constexpr int SPRITE_3D = 60;

// Entry p (1..32, numbered like squares, row 0 at the back of the board) is
// the top-left pixel of that position's 60 x 60 sprite; entry 0 is unused.
inline constexpr std::array<PixelPoint, 33> positions_3d = {{
    {0, 0},
    {155, 78}, {261, 78}, {368, 78}, {475, 78},
    {98, 119}, {207, 119}, {315, 119}, {423, 119},
    {151, 161}, {261, 161}, {370, 161}, {480, 161},
    {93, 205}, {204, 205}, {316, 205}, {428, 205},
    {146, 250}, {260, 250}, {373, 250}, {486, 250},
    {86, 296}, {202, 296}, {317, 296}, {432, 296},
    {142, 344}, {259, 344}, {376, 344}, {493, 344},
    {80, 394}, {199, 394}, {318, 394}, {437, 394},
}};

// The position a square is drawn at: the same number in the normal view,
// 33 - s upside down.
constexpr int position_of_square(Square s, bool inverse) {
    return inverse ? 33 - s : s;
}

// The position whose sprite box holds the picture point, or 0. Edges do not
// count; where the boxes of two rows overlap, the lower (nearer) row wins.
constexpr int hit_position(int x, int y) {
    int hit = 0;
    for (int row = 0; row < 8; ++row) {
        const int top = positions_3d[4 * row + 1].y;
        if (!(y > top && y < top + SPRITE_3D)) continue;
        for (int j = 4 * row + 1; j <= 4 * row + 4; ++j)
            if (x > positions_3d[j].x && x < positions_3d[j].x + SPRITE_3D) hit = j;
    }
    return hit;
}

// The point of the 2D board's click geometry that stands for position j,
// so that one decoder serves both views.
constexpr PixelPoint click_point_of_position(int j) {
    const int row = (j - 1) / 4;
    const int x = 115 * ((j - 1) % 4 + 1) - (row % 2 == 1 ? 58 : 0);
    return {x, 58 * row + 58};
}

// The square under a click on the 3D picture, or 0 when it hits no sprite.
constexpr Square square_from_3d_click(int x, int y, bool inverse) {
    const int j = hit_position(x, y);
    if (j == 0) return 0;
    const PixelPoint p = click_point_of_position(j);
    return square_from_click(p.x, p.y, inverse);
}

} // namespace selvako
