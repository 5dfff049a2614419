#include "eval/formations.h"

namespace selvako {

BoardMasks board_masks(const BoardArray& board) {
    BoardMasks m;
    for (int s = 1; s <= NUM_SQUARES; ++s) {
        const std::uint32_t bit = 1u << (s - 1);
        if (board[s] == WHITE_MAN) m.white_men |= bit;
        if (board[s] == BLACK_MAN) m.black_men |= bit;
        if (board[s] != EMPTY) m.occupied |= bit;
    }
    return m;
}

} // namespace selvako
