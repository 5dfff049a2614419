#include "eval/formations.h"

namespace selvako {

BoardMasks board_masks(const BoardArray& board) {
    BoardMasks m;
    // Without branches: the loop runs at every leaf and the squares' contents are unpredictable.
    for (int s = 1; s <= NUM_SQUARES; ++s) {
        const std::uint8_t c = board[s];
        m.white_men |= static_cast<std::uint32_t>(c == WHITE_MAN) << (s - 1);
        m.black_men |= static_cast<std::uint32_t>(c == BLACK_MAN) << (s - 1);
        m.occupied |= static_cast<std::uint32_t>(c != EMPTY) << (s - 1);
    }
    return m;
}

} // namespace selvako
