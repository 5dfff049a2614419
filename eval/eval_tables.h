#pragma once
// The evaluation's constant square tables. Row, region and file weight are
// read from Black's side: entry s for a black man on s, entry 33 - s for a
// white man on s. The others are indexed by the square itself.

#include <array>
#include <cstdint>

#include "engine/board.h"

namespace selvako {

using ConstSquareTable = std::array<std::uint8_t, BOARD_CELLS>;

namespace detail {

constexpr ConstSquareTable make_table(std::uint8_t (*value)(int square)) {
    ConstSquareTable t{};
    for (int s = 1; s <= NUM_SQUARES; ++s) t[s] = value(s);
    return t;
}

constexpr std::uint8_t row_of(int s) {
    return static_cast<std::uint8_t>((s - 1) / 4);
}

// Regions 1 and 2 are the two wings of the owner's half, 3 and 4 the wings of
// the other half (3 on the same wing as 1), 0 the far row.
constexpr std::uint8_t region_of(int s) {
    if (s >= 29) return 0;
    const bool left_wing = (s - 1) % 4 < 2;
    if (s <= 16) return left_wing ? 1 : 2;
    return left_wing ? 3 : 4;
}

constexpr std::uint8_t file_weight_of(int s) {
    constexpr std::uint8_t BY_FILE[8] = {0, 2, 3, 5, 5, 3, 2, 0};
    return BY_FILE[square_file(static_cast<Square>(s))];
}

constexpr std::uint8_t file_number_of(int s) {
    return static_cast<std::uint8_t>(square_file(static_cast<Square>(s)) + 1);
}

// Diagonals parallel to the long one (h8-a1), numbered 1 to 7; 4 is the long diagonal.
constexpr std::uint8_t diagonal_number_of(int s) {
    return static_cast<std::uint8_t>((s - 1) % 4 + 1 + (s - 1) / 8);
}

constexpr std::uint8_t on_long_diagonal(int s) {
    return diagonal_number_of(s) == 4 ? 1 : 0;
}

} // namespace detail

// Rows advanced from the owner's back row, 0..7.
inline constexpr ConstSquareTable ROW_TABLE = detail::make_table(detail::row_of);
inline constexpr ConstSquareTable REGION_TABLE = detail::make_table(detail::region_of);
// Centre files weigh most: a 0, b 2, c 3, d 5, e 5, f 3, g 2, h 0.
inline constexpr ConstSquareTable FILE_WEIGHT = detail::make_table(detail::file_weight_of);
inline constexpr ConstSquareTable FILE_NUMBER = detail::make_table(detail::file_number_of);
inline constexpr ConstSquareTable DIAGONAL_NUMBER = detail::make_table(detail::diagonal_number_of);
// h8-a1: squares 4, 8, 11, 15, 18, 22, 25, 29.
inline constexpr ConstSquareTable LONG_DIAGONAL = detail::make_table(detail::on_long_diagonal);

// King values used instead of the plain ones when White has two to four men
// and two kings against a few black men and a king: the long diagonal and
// the squares beside it are worth holding.
inline constexpr ConstSquareTable KING_OVERRIDE = {0,  0, 0, 0,  10, 0, 1, 1,  10, 0, 2,
                                                   10, 0, 0, 2,  10, 0, 0, 10, 2,  0, 0,
                                                   10, 2, 0, 10, 5,  1, 0, 10, 0,  0, 0};

constexpr Square mirror_square(int s) {
    return static_cast<Square>(BOARD_CELLS - s);
}

} // namespace selvako
