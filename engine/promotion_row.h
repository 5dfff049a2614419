#pragma once
// A man that reaches its last row is crowned on the spot, so a man standing
// there comes from no game. The FEN reader, the game-file reader and the
// position editor all refuse such a board through this one test; the search
// and the endgame tables may then assume it never happens.

#include <string>

#include "engine/board.h"

namespace selvako {

// White men move up towards row 8 (squares 1-4), Black men down towards
// row 1 (squares 29-32).
constexpr bool man_on_own_promotion_row(Square s, std::uint8_t piece) {
    if (piece == WHITE_MAN) return square_row_from_top(s) == 0;
    if (piece == BLACK_MAN) return square_row_from_top(s) == 7;
    return false;
}

// The first square of `board` holding such a man, 0 when there is none.
constexpr Square man_on_promotion_row(const BoardArray& board) {
    for (Square s = 1; s <= NUM_SQUARES; ++s)
        if (man_on_own_promotion_row(s, board[s])) return s;
    return 0;
}

// The readers' one message for it: "man on its promotion row at c8".
std::string promotion_row_error(Square s);

} // namespace selvako
