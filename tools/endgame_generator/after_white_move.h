#pragma once
// The tables are read with White to move; the board after a move of White,
// Black to move, a man that ends on the far row crowned. Shared by the solver
// and the checker, which must follow the rules the same way.

#include "engine/board.h"
#include "engine/move.h"

namespace selvako::tables {

inline BoardArray after_white_move(BoardArray board, const Move& move) {
    const std::uint8_t piece = board[move.from];
    board[move.from] = EMPTY;
    for (int k = 0; k < move.taken; ++k) board[move.captured[k]] = EMPTY;
    board[move.to] = piece == WHITE_MAN && move.to <= 4 ? WHITE_KING : piece;
    return board;
}

} // namespace selvako::tables
