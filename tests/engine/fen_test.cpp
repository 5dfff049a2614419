#include <gtest/gtest.h>

#include "engine/fen.h"

namespace selvako {
namespace {

TEST(Fen, AlgebraicNumbersRangesAndKings) {
    // Numbers count as PDN does on this board: 1 = a1, 12-13 = g3, b4.
    const FenResult parsed = parse_fen("B:WKc3,1,12-13:B32,Kb8");
    ASSERT_TRUE(parsed.position) << parsed.error;
    const Position& p = *parsed.position;
    EXPECT_EQ(p.side_to_move, BLACK);
    EXPECT_EQ(p.board[22], WHITE_KING) << "c3 is square 22";
    EXPECT_EQ(p.board[29], WHITE_MAN) << "1 is a1";
    EXPECT_EQ(p.board[17], WHITE_MAN) << "13 is b4";
    EXPECT_EQ(p.board[24], WHITE_MAN) << "12 is g3";
    EXPECT_EQ(p.board[4], BLACK_MAN) << "32 is h8";
    EXPECT_EQ(p.board[1], BLACK_KING);
    EXPECT_EQ(p.board[0], SENTINEL);
    EXPECT_EQ(to_fen(p), "B:Wb4,Kc3,g3,a1:BKb8,h8");
}

TEST(Fen, PdnNumbersRunFromWhitesSide) {
    for (int n = 1; n <= NUM_SQUARES; ++n) {
        const Square s = square_of_pdn_number(n);
        ASSERT_NE(s, 0) << n;
        EXPECT_EQ(pdn_number(s), n);
    }
    EXPECT_EQ(SQUARE_NAMES[square_of_pdn_number(1)], "a1");
    EXPECT_EQ(SQUARE_NAMES[square_of_pdn_number(2)], "c1");
    EXPECT_EQ(SQUARE_NAMES[square_of_pdn_number(5)], "b2");
    EXPECT_EQ(SQUARE_NAMES[square_of_pdn_number(32)], "h8");
    EXPECT_EQ(square_of_pdn_number(0), 0);
    EXPECT_EQ(square_of_pdn_number(33), 0);
    EXPECT_EQ(pdn_number(0), 0);
    EXPECT_EQ(parse_square("10"), parse_square("c3"));
}

TEST(Fen, UnusualButLegalSetUps) {
    EXPECT_TRUE(parse_fen("W:W:B").position) << "no pieces at all";
    const FenResult start = parse_fen("  W:W1-12:B21-32\n");
    ASSERT_TRUE(start.position) << "surrounding blanks";
    EXPECT_EQ(start.position->board, start_position()) << "1-12 are White's men at the start";
    EXPECT_TRUE(parse_fen("W:B21-32:W1-12").position) << "sides in either order";
}

// A man is crowned the moment it reaches its last row: one standing there
// comes from no game, and the search and the endgame tables assume none does.
TEST(Fen, ManOnItsPromotionRowIsRefusedWithItsSquare) {
    const struct {
        const char* fen;
        const char* reason;
    } refused[] = {
        {"W:Wb8:Bd6", "man on its promotion row at b8"},
        {"W:W29:Bd6", "man on its promotion row at b8"}, // PDN numbers alike
        {"W:Wc3,h8:Bc1", "man on its promotion row at h8"},
        {"B:Wc3:Bc1", "man on its promotion row at c1"},
    };
    for (const auto& c : refused) {
        const FenResult r = parse_fen(c.fen);
        EXPECT_FALSE(r.position) << c.fen;
        EXPECT_EQ(r.error, c.reason) << c.fen;
    }
    // Kings there are ordinary, and so are men on their own back row.
    EXPECT_TRUE(parse_fen("W:WKb8,Kh8:BKc1,Kg1").position);
    EXPECT_TRUE(parse_fen("W:Wa1,c1:Bb8,h8").position);
}

TEST(Fen, RoundTripThroughText) {
    const Position start{start_position(), WHITE};
    const FenResult again = parse_fen(to_fen(start));
    ASSERT_TRUE(again.position);
    EXPECT_EQ(again.position->board, start.board);
}

TEST(Fen, MalformedTextIsRefusedWithAReason) {
    // The reason in words, and what it is and where, for a reader that words
    // it in another language.
    struct Case {
        const char* fen;
        const char* reason;
        FenFault fault;
        const char* where;
    };
    const Case cases[] = {
        {"", "missing ':'", FenFault::no_colon, ""},
        {"X:W21:B1", "bad side letter 'X'", FenFault::bad_side, "X"},
        {"W:W21:X1", "bad side letter 'X'", FenFault::bad_list_side, "X1"},
        {"W:Wa8:B1", "unknown square 'a8'", FenFault::unknown_square, "a8"}, // a light square
        {"W:W33:B1", "unknown square '33'", FenFault::unknown_square, "33"},
        {"W:W0:B1", "unknown square '0'", FenFault::unknown_square, "0"},
        {"W:Wz9:B1", "unknown square 'z9'", FenFault::unknown_square, "z9"},
        {"W:W21,21:B1", "listed twice", FenFault::square_twice, "b6"},
        {"W:W21:B21", "listed twice", FenFault::square_twice, "b6"},
        {"W:W21:W22:B1", "White listed twice", FenFault::side_twice, "W"},
        {"W:W21,:B1", "trailing ','", FenFault::trailing_comma, "W21,"},
        {"W:W21,,22:B1", "empty square", FenFault::empty_square, "W"},
        {"W:W21", "both W and B", FenFault::side_missing, ""},
        {"W:W21:B1:", "empty section", FenFault::empty_section, ""},
        {"W:W21;:B1", "unknown square '21;'", FenFault::unknown_square, "21;"},
        {"W:W12-5:B1", "bad square range", FenFault::bad_range, "12-5"},
        {"W:WK:B1", "unknown square 'K'", FenFault::unknown_square, "K"},
        {"W:W20-32:B1", "White has more than 12 pieces", FenFault::too_many_pieces, "W"},
        {"W:W32:B1-13", "Black has more than 12 pieces", FenFault::too_many_pieces, "B"},
        {"W:Wc3,h8:Bc1", "man on its promotion row at h8", FenFault::promotion_row, "h8"},
    };
    for (const Case& c : cases) {
        const FenResult r = parse_fen(c.fen);
        EXPECT_FALSE(r.position) << c.fen;
        EXPECT_NE(r.error.find(c.reason), std::string::npos) << c.fen << " gave: " << r.error;
        EXPECT_EQ(r.error.find('\n'), std::string::npos) << "one line";
        EXPECT_EQ(r.fault, c.fault) << c.fen;
        EXPECT_EQ(r.where, c.where) << c.fen;
    }
}

} // namespace
} // namespace selvako
