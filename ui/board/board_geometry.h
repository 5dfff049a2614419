#pragma once
// Where squares sit on the 2D board and which square a click falls on, in the
// board's logical pixels (the window's client pixels at its default size).
// Squares are drawn from (19, 25) but clicks are decoded from (20, 20).

#include "engine/board.h"

namespace selvako {

inline constexpr int SQUARE_PIXELS = 60;
inline constexpr int BOARD_LEFT = 19;
inline constexpr int BOARD_TOP = 25;
inline constexpr int CLICK_ORIGIN = 20;

struct SquareCell {
    int row;    // 0 = top row as shown
    int column; // 0 = left column as shown
};

constexpr SquareCell square_cell(Square s, bool inverse) {
    const int t = inverse ? 32 - s : s - 1;
    const int r = t / 4;
    const int c = r % 2 == 0 ? 2 * (t % 4) + 1 : 2 * (t % 4);
    return {r, c};
}

struct PixelPoint {
    int x;
    int y;
};

constexpr PixelPoint square_origin(Square s, bool inverse) {
    const SquareCell cell = square_cell(s, inverse);
    return {BOARD_LEFT + SQUARE_PIXELS * cell.column, BOARD_TOP + SQUARE_PIXELS * cell.row};
}

// The square under a click, or 0. Clicks left of or above the decoding origin
// are ignored rather than folded into the first column or row.
constexpr Square square_from_click(int x, int y, bool inverse) {
    if (x < CLICK_ORIGIN || y < CLICK_ORIGIN) return 0;
    const int c = (x - CLICK_ORIGIN) / SQUARE_PIXELS;
    const int r = (y - CLICK_ORIGIN) / SQUARE_PIXELS;
    if (c > 7 || r > 7 || (c + r) % 2 == 0) return 0;
    const int s = c / 2 + 4 * r + 1;
    return static_cast<Square>(inverse ? 33 - s : s);
}

} // namespace selvako
