#pragma once
// A formation catalogue laid out for the leaf: one array per mask, so that
// every formation is tested with the same few operations and the compiler
// can test several at once. Formation i matches when
//     (white_men & white_mask[i]) == white_want[i]
// and likewise for the black men and the occupied squares; a square asked to
// hold a white man is in white_mask and white_want, one asked to hold none
// only in white_mask. Entries past the catalogue never match.

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "eval/formations.h"

namespace selvako {

// Four formations are tested at a time; the arrays are padded to a multiple.
constexpr std::size_t padded_size(std::size_t n) {
    return (n + 3) / 4 * 4;
}

template <std::size_t N> struct FormationTable {
    static constexpr std::size_t SIZE = padded_size(N);
    std::array<std::uint32_t, SIZE> white_mask{};
    std::array<std::uint32_t, SIZE> white_want{};
    std::array<std::uint32_t, SIZE> black_mask{};
    std::array<std::uint32_t, SIZE> black_want{};
    std::array<std::uint32_t, SIZE> occupied_mask{};
    std::array<std::uint32_t, SIZE> occupied_want{};
    // Every white man any formation wants, and the fewest one formation
    // wants; the same for the black men. A board with fewer of those men
    // than that matches none, which the leaf can tell at once.
    std::uint32_t any_white_wanted = 0;
    int fewest_white_wanted = 32;
    std::uint32_t any_black_wanted = 0;
    int fewest_black_wanted = 32;
};

template <std::size_t N>
constexpr FormationTable<N> make_formation_table(const std::array<Formation, N>& catalogue) {
    FormationTable<N> t;
    for (std::size_t i = 0; i < N; ++i) {
        const Formation& f = catalogue[i];
        t.white_mask[i] = f.white_men | f.no_white_man;
        t.white_want[i] = f.white_men;
        t.black_mask[i] = f.black_men | f.no_black_man;
        t.black_want[i] = f.black_men;
        t.occupied_mask[i] = f.occupied | f.empty;
        t.occupied_want[i] = f.occupied;
        t.any_white_wanted |= f.white_men;
        t.any_black_wanted |= f.black_men;
        t.fewest_white_wanted = std::min(t.fewest_white_wanted, std::popcount(f.white_men));
        t.fewest_black_wanted = std::min(t.fewest_black_wanted, std::popcount(f.black_men));
    }
    // A wanted square outside its mask can never be there.
    for (std::size_t i = N; i < t.SIZE; ++i) t.white_want[i] = 1;
    return t;
}

// Zero exactly when formation i matches; plain 32-bit operations without
// branches, so that the loops below vectorise.
template <std::size_t N>
inline std::uint32_t mismatch(const FormationTable<N>& t, std::size_t i, const BoardMasks& m) {
    return ((m.white_men & t.white_mask[i]) ^ t.white_want[i]) |
           ((m.black_men & t.black_mask[i]) ^ t.black_want[i]) |
           ((m.occupied & t.occupied_mask[i]) ^ t.occupied_want[i]);
}

// The index of the first formation that matches, or N when none does. Most
// leaves match none, which one pass without branches tells.
template <std::size_t N>
inline std::size_t first_match(const FormationTable<N>& t, const BoardMasks& m) {
    if (std::popcount(m.white_men & t.any_white_wanted) < t.fewest_white_wanted ||
        std::popcount(m.black_men & t.any_black_wanted) < t.fewest_black_wanted)
        return N;
    std::uint32_t all = ~0u;
    for (std::size_t i = 0; i < t.SIZE; ++i)
        all &= static_cast<std::uint32_t>(mismatch(t, i, m) != 0);
    if (all != 0) return N;
    for (std::size_t i = 0; i < N; ++i)
        if (mismatch(t, i, m) == 0) return i;
    return N;
}

} // namespace selvako
