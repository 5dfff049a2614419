#pragma once
// A formation catalogue of up to 128 entries indexed by the contents of the
// board's squares, two at a time: for squares 2k + 1 and 2k + 2 and each pair
// of codes they can hold, the set of formations that these contents rule out.
// The formations matching a board are those ruled out by none of its 16
// pairs, found with 16 lookups whatever the number of formations.

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "engine/board.h"
#include "eval/formations.h"

namespace selvako {

// A set of formations, formation i as bit i.
struct alignas(16) FormationSet {
    std::uint64_t low = 0;  // formations 0..63
    std::uint64_t high = 0; // formations 64..127

    constexpr void add(std::size_t i) {
        if (i < 64)
            low |= std::uint64_t{1} << i;
        else
            high |= std::uint64_t{1} << (i - 64);
    }
    constexpr FormationSet operator|(const FormationSet& o) const {
        return {low | o.low, high | o.high};
    }
    constexpr FormationSet operator&(const FormationSet& o) const {
        return {low & o.low, high & o.high};
    }
    constexpr FormationSet operator~() const { return {~low, ~high}; }
};

// Piece codes a playable square holds outside a capture search: 0..4.
inline constexpr int SQUARE_CODES = 5;

inline constexpr int SQUARE_PAIRS = NUM_SQUARES / 2;

template <std::size_t N> struct FormationIndex {
    static_assert(N <= 128, "a formation set holds 128 formations");
    // ruled_out[k][5 * first + second]: the formations ruled out when squares
    // 2k + 1 and 2k + 2 hold the codes first and second.
    std::array<std::array<FormationSet, SQUARE_CODES * SQUARE_CODES>, SQUARE_PAIRS> ruled_out{};
    FormationSet all; // the N formations of the catalogue
    // Every white man any formation wants, and the fewest one formation
    // wants; the same for the black men. A board with fewer of those men
    // than that matches none, which a count tells before any lookup.
    std::uint32_t any_white_wanted = 0;
    int fewest_white_wanted = NUM_SQUARES;
    std::uint32_t any_black_wanted = 0;
    int fewest_black_wanted = NUM_SQUARES;
};

namespace detail {

// Whether formation f allows `code` on the square with bit `bit`.
constexpr bool allows(const Formation& f, std::uint32_t bit, int code) {
    const bool white_man = code == WHITE_MAN;
    const bool black_man = code == BLACK_MAN;
    const bool occupied = code != EMPTY;
    if ((f.white_men & bit) && !white_man) return false;
    if ((f.black_men & bit) && !black_man) return false;
    if ((f.no_white_man & bit) && white_man) return false;
    if ((f.no_black_man & bit) && black_man) return false;
    if ((f.occupied & bit) && !occupied) return false;
    if ((f.empty & bit) && occupied) return false;
    return true;
}

} // namespace detail

template <std::size_t N>
constexpr FormationIndex<N> make_formation_index(const std::array<Formation, N>& catalogue) {
    FormationIndex<N> index;
    for (int k = 0; k < SQUARE_PAIRS; ++k) {
        const std::uint32_t first = std::uint32_t{1} << (2 * k);
        const std::uint32_t second = first << 1;
        for (int a = 0; a < SQUARE_CODES; ++a)
            for (int b = 0; b < SQUARE_CODES; ++b)
                for (std::size_t i = 0; i < N; ++i)
                    if (!detail::allows(catalogue[i], first, a) ||
                        !detail::allows(catalogue[i], second, b))
                        index.ruled_out[k][SQUARE_CODES * a + b].add(i);
    }
    for (std::size_t i = 0; i < N; ++i) {
        const Formation& f = catalogue[i];
        index.all.add(i);
        index.any_white_wanted |= f.white_men;
        index.any_black_wanted |= f.black_men;
        index.fewest_white_wanted = std::min(index.fewest_white_wanted, std::popcount(f.white_men));
        index.fewest_black_wanted = std::min(index.fewest_black_wanted, std::popcount(f.black_men));
    }
    return index;
}

// False when the board has too few of the wanted men for any formation.
template <std::size_t N>
inline bool may_match(const FormationIndex<N>& index, const BoardMasks& m) {
    return std::popcount(m.white_men & index.any_white_wanted) >= index.fewest_white_wanted &&
           std::popcount(m.black_men & index.any_black_wanted) >= index.fewest_black_wanted;
}

// The formations of the catalogue that the board matches.
template <std::size_t N>
inline FormationSet matching_formations(const FormationIndex<N>& index, const BoardArray& board) {
#if defined(__SSE2__)
    // Both halves of a set in one register: one OR per pair of squares.
    __m128i out = _mm_setzero_si128();
    for (std::size_t k = 0; k < SQUARE_PAIRS; ++k) {
        const std::size_t first = board[2 * k + 1];
        const std::size_t second = board[2 * k + 2];
        const FormationSet& ruled = index.ruled_out[k][SQUARE_CODES * first + second];
        out = _mm_or_si128(out, _mm_load_si128(reinterpret_cast<const __m128i*>(&ruled)));
    }
    FormationSet set;
    _mm_store_si128(reinterpret_cast<__m128i*>(&set), out);
    return ~set & index.all;
#else
    FormationSet out;
    for (std::size_t k = 0; k < SQUARE_PAIRS; ++k) {
        const std::size_t first = board[2 * k + 1];
        const std::size_t second = board[2 * k + 2];
        out = out | index.ruled_out[k][SQUARE_CODES * first + second];
    }
    return ~out & index.all;
#endif
}

// The sum of amounts[i] over the formations i in `set`.
template <std::size_t N>
inline int sum_over(FormationSet set, const std::array<std::int32_t, N>& amounts) {
    int sum = 0;
    for (std::uint64_t b = set.low; b != 0; b &= b - 1) sum += amounts[std::countr_zero(b)];
    for (std::uint64_t b = set.high; b != 0; b &= b - 1) sum += amounts[64 + std::countr_zero(b)];
    return sum;
}

} // namespace selvako
