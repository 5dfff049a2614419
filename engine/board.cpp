#include "engine/board.h"

namespace selvako {

const std::array<std::string_view, BOARD_CELLS> SQUARE_NAMES = {
    "0",  "b8", "d8", "f8", "h8", "a7", "c7", "e7", "g7", "b6", "d6",
    "f6", "h6", "a5", "c5", "e5", "g5", "b4", "d4", "f4", "h4", "a3",
    "c3", "e3", "g3", "b2", "d2", "f2", "h2", "a1", "c1", "e1", "g1"};

const std::array<std::string_view, BOARD_CELLS> SQUARE_NAMES_UPPER = {
    "0",  "B8", "D8", "F8", "H8", "A7", "C7", "E7", "G7", "B6", "D6",
    "F6", "H6", "A5", "C5", "E5", "G5", "B4", "D4", "F4", "H4", "A3",
    "C3", "E3", "G3", "B2", "D2", "F2", "H2", "A1", "C1", "E1", "G1"};

BoardArray empty_board() {
    BoardArray b{};
    b[0] = SENTINEL;
    return b;
}

BoardArray start_position() {
    BoardArray b = empty_board();
    for (int s = 1; s <= 12; ++s) b[s] = BLACK_MAN;
    for (int s = 21; s <= 32; ++s) b[s] = WHITE_MAN;
    return b;
}

PieceCounts count_pieces(const BoardArray& board) {
    PieceCounts c{};
    for (int s = 1; s <= NUM_SQUARES; ++s)
        if (board[s] >= WHITE_MAN && board[s] <= BLACK_KING) ++c[board[s]];
    return c;
}

} // namespace selvako
