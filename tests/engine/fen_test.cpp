#include <gtest/gtest.h>

#include "engine/fen.h"

namespace selvako {
namespace {

TEST(Fen, AlgebraicNumbersRangesAndKings) {
    const FenResult parsed = parse_fen("B:WKc3,29,20-21:B1,Kh8");
    ASSERT_TRUE(parsed.position) << parsed.error;
    const Position& p = *parsed.position;
    EXPECT_EQ(p.side_to_move, BLACK);
    EXPECT_EQ(p.board[22], WHITE_KING) << "c3 is square 22";
    EXPECT_EQ(p.board[29], WHITE_MAN);
    EXPECT_EQ(p.board[20], WHITE_MAN);
    EXPECT_EQ(p.board[21], WHITE_MAN);
    EXPECT_EQ(p.board[1], BLACK_MAN);
    EXPECT_EQ(p.board[4], BLACK_KING);
    EXPECT_EQ(p.board[0], SENTINEL);
    EXPECT_EQ(to_fen(p), "B:Wh4,a3,Kc3,a1:Bb8,Kh8");
}

TEST(Fen, UnusualButLegalSetUps) {
    EXPECT_TRUE(parse_fen("W:Wb8:B").position) << "a man on its own far row";
    EXPECT_TRUE(parse_fen("W:W:B").position) << "no pieces at all";
    EXPECT_TRUE(parse_fen("  W:W21-32:B1-12\n").position) << "surrounding blanks";
    EXPECT_TRUE(parse_fen("W:B1-12:W21-32").position) << "sides in either order";
}

TEST(Fen, RoundTripThroughText) {
    const Position start{start_position(), WHITE};
    const FenResult again = parse_fen(to_fen(start));
    ASSERT_TRUE(again.position);
    EXPECT_EQ(again.position->board, start.board);
}

TEST(Fen, MalformedTextIsRefusedWithAReason) {
    struct Case {
        const char* fen;
        const char* reason;
    };
    const Case cases[] = {
        {"", "missing ':'"},
        {"X:W21:B1", "bad side letter 'X'"},
        {"W:W21:X1", "bad side letter 'X'"},
        {"W:Wa8:B1", "unknown square 'a8'"}, // a light square
        {"W:W33:B1", "unknown square '33'"},
        {"W:W0:B1", "unknown square '0'"},
        {"W:Wz9:B1", "unknown square 'z9'"},
        {"W:W21,21:B1", "listed twice"},
        {"W:W21:B21", "listed twice"},
        {"W:W21:W22:B1", "White listed twice"},
        {"W:W21,:B1", "trailing ','"},
        {"W:W21,,22:B1", "empty square"},
        {"W:W21", "both W and B"},
        {"W:W21:B1:", "empty section"},
        {"W:W21;:B1", "unknown square '21;'"},
        {"W:W12-5:B1", "bad square range"},
        {"W:WK:B1", "unknown square 'K'"},
        {"W:W20-32:B1", "White has more than 12 pieces"},
        {"W:W32:B1-13", "Black has more than 12 pieces"},
    };
    for (const Case& c : cases) {
        const FenResult r = parse_fen(c.fen);
        EXPECT_FALSE(r.position) << c.fen;
        EXPECT_NE(r.error.find(c.reason), std::string::npos) << c.fen << " gave: " << r.error;
        EXPECT_EQ(r.error.find('\n'), std::string::npos) << "one line";
    }
}

} // namespace
} // namespace selvako
