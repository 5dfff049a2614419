#pragma once
// Rule tests read like the rulebook: a position goes in, the exact multiset
// of legal moves comes out, written "c3xe5:d4" (captured squares in the
// order jumped) or "c3-d4".

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/fen.h"
#include "engine/move_generation.h"

namespace selvako::testing {

inline std::string describe(const Move& m) {
    std::string text = move_text(m);
    for (int i = 0; i < m.taken; ++i) {
        text += i == 0 ? ':' : ',';
        text += SQUARE_NAMES[m.captured[i]];
    }
    return text;
}

inline Position position_from(const std::string& fen) {
    FenResult parsed = parse_fen(fen);
    EXPECT_TRUE(parsed.position.has_value()) << fen << ": " << parsed.error;
    return parsed.position.value_or(Position{});
}

// A board no game reaches, with a man on its promotion row, which the FEN
// reader refuses: written with a king on `square`, then the king made a man,
// for the generator's own limits.
inline Position with_man_on_promotion_row(const std::string& fen, const char* square) {
    Position pos = position_from(fen);
    const Square s = parse_square(square);
    EXPECT_TRUE(is_king(pos.board[s])) << fen << ": no king on " << square;
    pos.board[s] = pos.board[s] == WHITE_KING ? WHITE_MAN : BLACK_MAN;
    return pos;
}

inline std::multiset<std::string> legal_moves(const Position& pos) {
    EngineState st;
    st.set_position(pos.board);
    st.ordering_enabled = false;
    const int count = generate_root_moves(st, pos.side_to_move);
    std::multiset<std::string> moves;
    for (int i = 0; i < count; ++i) moves.insert(describe(st.list(1)[i]));
    EXPECT_EQ(st.board, pos.board) << "generation must leave the board as it found it";
    return moves;
}

inline std::multiset<std::string> legal_moves(const std::string& fen) {
    return legal_moves(position_from(fen));
}

} // namespace selvako::testing
