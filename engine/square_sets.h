#pragma once
// Sets of squares as 32-bit masks (bit s - 1 for square s), read off the board
// array a word at a time. The generators use them to rule out captures and to
// count plain moves quickly; the board array stays the one true position.

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/board.h"

namespace selvako {

using SquareSet = std::uint32_t;

constexpr SquareSet square_bit(Square s) {
    return SquareSet{1} << (s - 1);
}

namespace detail {

// A step in direction d moves a square's number by one of two amounts,
// depending on the parity of its row; for each direction and amount, the
// squares that step by it.
struct StepMasks {
    SquareSet masks[4][2] = {};
    int deltas[4][2] = {};
};

constexpr StepMasks make_step_masks() {
    StepMasks m{};
    constexpr int deltas[4][2] = {{-5, -4}, {-4, -3}, {3, 4}, {4, 5}};
    for (int d = 0; d < 4; ++d) {
        for (int k = 0; k < 2; ++k) {
            m.deltas[d][k] = deltas[d][k];
            for (int s = 1; s <= NUM_SQUARES; ++s)
                if (NEIGHBOUR[d][s] != 0 && NEIGHBOUR[d][s] == s + deltas[d][k])
                    m.masks[d][k] |= SquareSet{1} << (s - 1);
        }
    }
    return m;
}

inline constexpr StepMasks STEP_MASKS = make_step_masks();

// Two steps in the same direction cross one row of each parity, so they move
// a square's number by a fixed amount: -9, -7, +7, +9. For each direction,
// the squares from which two steps stay on the board.
struct JumpMasks {
    SquareSet masks[4] = {};
    int deltas[4] = {-9, -7, 7, 9};
};

// Not a constant expression: a neighbour table that breaks the rule stops the build.
inline void two_steps_not_fixed() {}

constexpr JumpMasks make_jump_masks() {
    JumpMasks m{};
    for (int d = 0; d < 4; ++d)
        for (int s = 1; s <= NUM_SQUARES; ++s) {
            const Square n = NEIGHBOUR[d][s];
            if (n == 0 || NEIGHBOUR[d][n] == 0) continue;
            if (NEIGHBOUR[d][n] != s + m.deltas[d]) two_steps_not_fixed();
            m.masks[d] |= SquareSet{1} << (s - 1);
        }
    return m;
}

inline constexpr JumpMasks JUMP_MASKS = make_jump_masks();

constexpr SquareSet shift(SquareSet set, int delta) {
    return delta >= 0 ? set << delta : set >> -delta;
}

// For every byte of w equal to zero, the high bit of that byte; exact per byte.
constexpr std::uint64_t zero_bytes(std::uint64_t w) {
    constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7FULL;
    return ~(((w & low7) + low7) | w | low7);
}

// Gathers the high bits of the 8 bytes into an 8-bit mask (byte 0 -> bit 0).
constexpr std::uint32_t gather_high_bits(std::uint64_t m) {
    return static_cast<std::uint32_t>(((m >> 7) * 0x0102040810204080ULL) >> 56);
}

} // namespace detail

// The squares reached by one step in direction d from each square of `set`.
constexpr SquareSet step(SquareSet set, int d) {
    using detail::STEP_MASKS;
    return detail::shift(set & STEP_MASKS.masks[d][0], STEP_MASKS.deltas[d][0]) |
           detail::shift(set & STEP_MASKS.masks[d][1], STEP_MASKS.deltas[d][1]);
}

// The squares reached by two steps in direction d from each square of `set`.
constexpr SquareSet two_steps(SquareSet set, int d) {
    return detail::shift(set & detail::JUMP_MASKS.masks[d], detail::JUMP_MASKS.deltas[d]);
}

// The squares of the board holding `code`.
inline SquareSet squares_holding(const BoardArray& board, std::uint8_t code) {
#if defined(__SSE2__)
    // Squares 1..16 and 17..32 are two 16-byte rows: one compare and one
    // gather of the byte signs each.
    const __m128i wanted = _mm_set1_epi8(static_cast<char>(code));
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(board.data() + 1));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(board.data() + 17));
    const auto low_bits =
        static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(low, wanted)));
    const auto high_bits =
        static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(high, wanted)));
    return low_bits | high_bits << 16;
#else
    SquareSet set = 0;
    for (int word = 0; word < 4; ++word) {
        std::uint64_t w;
        std::memcpy(&w, board.data() + 1 + 8 * word, 8);
        const std::uint64_t pattern = 0x0101010101010101ULL * code;
        set |= detail::gather_high_bits(detail::zero_bytes(w ^ pattern)) << (8 * word);
    }
    return set;
#endif
}

} // namespace selvako
