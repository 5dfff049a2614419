#include "game/position_editor.h"

#include <utility>

#include "engine/promotion_row.h"

namespace selvako {

EditorRefusal placement_refusal(const BoardArray& board, Square s, std::uint8_t piece) {
    if (man_on_own_promotion_row(s, piece)) return EditorRefusal::man_on_promotion_row;
    if (piece == EMPTY) return EditorRefusal::none;
    const bool white = is_white_piece(piece);
    int count = 0;
    for (Square q = 1; q <= NUM_SQUARES; ++q)
        if (q != s && (white ? is_white_piece(board[q]) : is_black_piece(board[q]))) ++count;
    return count >= MAX_PIECES_PER_SIDE ? EditorRefusal::too_many_pieces : EditorRefusal::none;
}

EditorRefusal position_refusal(const BoardArray& board) {
    int white = 0;
    int black = 0;
    if (man_on_promotion_row(board) != 0) return EditorRefusal::man_on_promotion_row;
    for (Square s = 1; s <= NUM_SQUARES; ++s) {
        white += is_white_piece(board[s]) ? 1 : 0;
        black += is_black_piece(board[s]) ? 1 : 0;
    }
    return white > MAX_PIECES_PER_SIDE || black > MAX_PIECES_PER_SIDE
               ? EditorRefusal::too_many_pieces
               : EditorRefusal::none;
}

void mirror_board(BoardArray& board) {
    for (Square s = 1; s <= NUM_SQUARES / 2; ++s) std::swap(board[s], board[BOARD_CELLS - s]);
}

} // namespace selvako
