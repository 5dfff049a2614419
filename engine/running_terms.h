#pragma once
// The evaluation's running terms: sums that a leaf would otherwise need a
// board scan for. They are computed from scratch when a search starts and then
// follow every piece that leaves or reaches a square as make_move plays the
// tree. The search saves and restores them with the board, so they stay a
// small plain record. Their arithmetic sits here, under the evaluation, so that
// make_move updates them in place at no cost beyond the sums themselves; the
// evaluation chooses the tables (TermTables) and reads the sums.

#include <array>
#include <cstdint>

#include "engine/board.h"
#include "engine/square_weights.h"

namespace selvako {

// "Own" is the side the terms are kept for (the engine's side at the root).
struct RunningTerms {
    std::int32_t square_table_sum = 0; // own men and kings table values minus the opponent's
    std::int32_t tempo_count = 0;      // own rows of advance minus the opponent's
    std::array<std::uint8_t, 5> own_regions{};
    std::array<std::uint8_t, 5> opponent_regions{};
    std::uint8_t own_centre = 0; // sum of the file weights of the side's men
    std::uint8_t opponent_centre = 0;

    bool operator==(const RunningTerms&) const = default;
};

// What the running terms are measured with: chosen once per search.
struct TermTables {
    SquareTable men{};   // the parameter table of this search's phase and variant
    SquareTable kings{}; // indexed by the square itself for both colours
    int side = WHITE;    // whose terms count as "own"
};

namespace detail {

inline bool counts_as_own(const TermTables& tables, std::uint8_t code) {
    return is_black_piece(code) == (tables.side == BLACK);
}

// The man-only terms of a man of `code` on `square`, added with `sign`.
inline void man_terms(RunningTerms& terms, const TermTables& tables, Square square,
                      std::uint8_t code, int sign, bool with_table) {
    const bool own = counts_as_own(tables, code);
    const Square seen = code == BLACK_MAN ? square : mirror_square(square);
    const int owner_sign = own ? sign : -sign;
    if (with_table) terms.square_table_sum += owner_sign * tables.men[seen];
    terms.tempo_count += owner_sign * ROW_TABLE[seen];
    auto& regions = own ? terms.own_regions : terms.opponent_regions;
    auto& centre = own ? terms.own_centre : terms.opponent_centre;
    regions[REGION_TABLE[seen]] = static_cast<std::uint8_t>(regions[REGION_TABLE[seen]] + sign);
    centre = static_cast<std::uint8_t>(centre + sign * FILE_WEIGHT[seen]);
}

inline void piece_terms(RunningTerms& terms, const TermTables& tables, Square square,
                        std::uint8_t code, int sign) {
    if (is_king(code)) {
        const int owner_sign = counts_as_own(tables, code) ? sign : -sign;
        terms.square_table_sum += owner_sign * tables.kings[square];
        return;
    }
    man_terms(terms, tables, square, code, sign, true);
}

} // namespace detail

inline void running_terms_remove(RunningTerms& terms, const TermTables& tables, Square square,
                                 std::uint8_t code) {
    detail::piece_terms(terms, tables, square, code, -1);
}

inline void running_terms_place(RunningTerms& terms, const TermTables& tables, Square square,
                                std::uint8_t code) {
    detail::piece_terms(terms, tables, square, code, +1);
}

// A man promoted on `square` was placed there as a king (its king-table
// value). Tempo, regions and centre go on counting it as the man it was, on
// that square, until the terms are next computed from scratch: the search
// keeps the cheap update rather than a correct one for a rare case.
inline void running_terms_keep_promoted_man(RunningTerms& terms, const TermTables& tables,
                                            Square square, std::uint8_t man_code) {
    detail::man_terms(terms, tables, square, man_code, +1, false);
}

} // namespace selvako
