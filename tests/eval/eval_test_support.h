#pragma once
// Small helpers shared by the evaluation tests.

#include <gtest/gtest.h>

#include <random>
#include <string_view>

#include "engine/fen.h"
#include "eval/evaluate.h"

namespace selvako::test {

inline BoardArray board_of(std::string_view fen) {
    const FenResult r = parse_fen(fen);
    if (!r.position) ADD_FAILURE() << "bad test position " << fen << ": " << r.error;
    return r.position ? r.position->board : empty_board();
}

// The colour-mirrored board: squares s <-> 33 - s, colours exchanged.
inline BoardArray mirrored(const BoardArray& b) {
    BoardArray m = empty_board();
    for (int s = 1; s <= NUM_SQUARES; ++s) {
        const std::uint8_t c = b[33 - s];
        m[s] = c == WHITE_MAN    ? BLACK_MAN
               : c == WHITE_KING ? BLACK_KING
               : c == BLACK_MAN  ? WHITE_MAN
               : c == BLACK_KING ? WHITE_KING
                                 : c;
    }
    return m;
}

// Random but mirror-consistent parameters: the tables are read from Black's
// side for both colours, so any table keeps the evaluation symmetric.
inline EvalParameters random_parameters(std::mt19937& rng) {
    EvalParameters p;
    std::uniform_int_distribution<int> byte(0, 255), small(-6, 6);
    for (auto& t : p.tables)
        for (auto& v : t) v = static_cast<std::uint8_t>(byte(rng));
    p.t1 = 18;
    p.t2 = 10;
    p.t3 = 6;
    for (auto& w : p.tempo_weights) w = static_cast<std::int8_t>(small(rng));
    return p;
}

} // namespace selvako::test
