#pragma once
// The square tables that make_move's running terms are measured with. Row,
// region and file weight are read from Black's side: entry s for a black man
// on s, entry 33 - s for a white man on s.

#include <array>
#include <cstdint>

#include "engine/board.h"

namespace selvako {

// Entry k is the value of a black man on square k and of a white man on
// 33 - k; entry 0 is never read. Read as unsigned 0..255.
using SquareTable = std::array<std::uint8_t, 33>;

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

} // namespace detail

// Rows advanced from the owner's back row, 0..7.
inline constexpr ConstSquareTable ROW_TABLE = detail::make_table(detail::row_of);
inline constexpr ConstSquareTable REGION_TABLE = detail::make_table(detail::region_of);
// Centre files weigh most: a 0, b 2, c 3, d 5, e 5, f 3, g 2, h 0.
inline constexpr ConstSquareTable FILE_WEIGHT = detail::make_table(detail::file_weight_of);

constexpr Square mirror_square(int s) {
    return static_cast<Square>(BOARD_CELLS - s);
}

} // namespace selvako
