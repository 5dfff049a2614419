#pragma once
// The board representation every engine part works on: squares 1..32 numbered
// row by row from the top (White at the bottom), piece codes, the neighbour
// table and the square names used when moves are written out.

#include <array>
#include <cstdint>
#include <string_view>

namespace selvako {

using Square = std::uint8_t;

inline constexpr int NUM_SQUARES = 32;
inline constexpr int BOARD_CELLS = 33;

// Piece codes as stored in the board array.
inline constexpr std::uint8_t EMPTY = 0;
inline constexpr std::uint8_t WHITE_MAN = 1;
inline constexpr std::uint8_t WHITE_KING = 2;
inline constexpr std::uint8_t BLACK_MAN = 3;
inline constexpr std::uint8_t BLACK_KING = 4;
// Cell 0 holds this so that a step off the board lands on something that is
// neither empty nor a piece and every scan stops there.
inline constexpr std::uint8_t SENTINEL = 10;
// An enemy piece already jumped in the capture being generated: it blocks the
// way and cannot be jumped again. Never left on the board.
inline constexpr std::uint8_t CAPTURE_MARK = 15;

inline constexpr int WHITE = 0;
inline constexpr int BLACK = 1;

using BoardArray = std::array<std::uint8_t, BOARD_CELLS>;
// Piece counts indexed by piece code 1..4; index 0 unused.
using PieceCounts = std::array<std::uint8_t, 5>;

// Directions: 0 up-left (toward row 8), 1 up-right, 2 down-left (toward row 1),
// 3 down-right. The opposite of d is 3 - d.
inline constexpr int UP_LEFT = 0;
inline constexpr int UP_RIGHT = 1;
inline constexpr int DOWN_LEFT = 2;
inline constexpr int DOWN_RIGHT = 3;

constexpr int square_row_from_top(Square s) {
    return (s - 1) / 4;
}
// File 0 = a .. 7 = h. Rows 8, 6, 4, 2 (even index from the top) hold files b, d, f, h.
constexpr int square_file(Square s) {
    const int r = square_row_from_top(s);
    const int c = (s - 1) % 4;
    return r % 2 == 0 ? 2 * c + 1 : 2 * c;
}
// Square at (row from top, file), or 0 when that is off the board or a light square.
constexpr Square square_at(int row_from_top, int file) {
    if (row_from_top < 0 || row_from_top > 7 || file < 0 || file > 7) return 0;
    if ((row_from_top + file) % 2 == 0) return 0;
    return static_cast<Square>(row_from_top * 4 + file / 2 + 1);
}

using NeighbourTable = std::array<std::array<Square, BOARD_CELLS>, 4>;

constexpr NeighbourTable make_neighbour_table() {
    NeighbourTable t{};
    constexpr int dr[4] = {-1, -1, 1, 1};
    constexpr int df[4] = {-1, 1, -1, 1};
    for (int d = 0; d < 4; ++d)
        for (int s = 1; s <= NUM_SQUARES; ++s)
            t[d][s] = square_at(square_row_from_top(static_cast<Square>(s)) + dr[d],
                                square_file(static_cast<Square>(s)) + df[d]);
    return t;
}

inline constexpr NeighbourTable NEIGHBOUR = make_neighbour_table();

// Square names for output ("b8" for 1 ... "g1" for 32, "0" for no square).
extern const std::array<std::string_view, BOARD_CELLS> SQUARE_NAMES;
// The same names in upper case ("B8" ... "G1"), read by the text-file reader.
extern const std::array<std::string_view, BOARD_CELLS> SQUARE_NAMES_UPPER;

constexpr bool is_white_piece(std::uint8_t code) {
    return code == WHITE_MAN || code == WHITE_KING;
}
constexpr bool is_black_piece(std::uint8_t code) {
    return code == BLACK_MAN || code == BLACK_KING;
}
constexpr bool is_king(std::uint8_t code) {
    return code == WHITE_KING || code == BLACK_KING;
}

// Side 1 is Black; every other value means White, as the engine passes sides.
constexpr std::uint8_t own_man(int side) {
    return side == BLACK ? BLACK_MAN : WHITE_MAN;
}
constexpr std::uint8_t own_king(int side) {
    return side == BLACK ? BLACK_KING : WHITE_KING;
}
constexpr std::uint8_t enemy_man(int side) {
    return side == BLACK ? WHITE_MAN : BLACK_MAN;
}
constexpr std::uint8_t enemy_king(int side) {
    return side == BLACK ? WHITE_KING : BLACK_KING;
}

BoardArray start_position();
BoardArray empty_board();
PieceCounts count_pieces(const BoardArray& board);
// Inline: the search asks at every node.
constexpr int total_pieces(const PieceCounts& counts) {
    return counts[WHITE_MAN] + counts[WHITE_KING] + counts[BLACK_MAN] + counts[BLACK_KING];
}

} // namespace selvako
