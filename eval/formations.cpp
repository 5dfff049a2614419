#include "eval/formations.h"

#include "engine/square_sets.h"

namespace selvako {

BoardMasks board_masks(const BoardArray& board) {
    BoardMasks m;
    m.white_men = squares_holding(board, WHITE_MAN);
    m.black_men = squares_holding(board, BLACK_MAN);
    m.occupied = ~squares_holding(board, EMPTY);
    return m;
}

} // namespace selvako
