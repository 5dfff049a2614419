#pragma once
// The evaluation's constant square tables besides those the running terms
// use (engine/square_weights.h). They are indexed by the square itself.

#include <array>
#include <cstdint>

#include "engine/square_weights.h"

namespace selvako {

namespace detail {

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

inline constexpr ConstSquareTable FILE_NUMBER = detail::make_table(detail::file_number_of);
inline constexpr ConstSquareTable DIAGONAL_NUMBER = detail::make_table(detail::diagonal_number_of);
// h8-a1: squares 4, 8, 11, 15, 18, 22, 25, 29.
inline constexpr ConstSquareTable LONG_DIAGONAL = detail::make_table(detail::on_long_diagonal);

// King values used instead of the plain ones when one side has two to four
// men and two kings against a few men and a king: the long diagonal and the
// squares beside it are worth holding. Both colours' kings read it, so it is
// its own mirror image.
inline constexpr ConstSquareTable KING_OVERRIDE = {0,  0, 0, 0,  10, 0, 1, 5,  10, 0, 2,
                                                   10, 0, 0, 2,  10, 0, 0, 10, 2,  0, 0,
                                                   10, 2, 0, 10, 5,  1, 0, 10, 0,  0, 0};
static_assert([] {
    for (int s = 1; s <= NUM_SQUARES; ++s)
        if (KING_OVERRIDE[s] != KING_OVERRIDE[NUM_SQUARES + 1 - s]) return false;
    return true;
}());

} // namespace selvako
