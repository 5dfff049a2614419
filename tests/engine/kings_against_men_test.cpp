#include <gtest/gtest.h>

#include "engine/fen.h"
#include "engine/kings_against_men.h"

namespace selvako {
namespace {

BoardArray board_of(const char* fen) {
    const auto parsed = parse_fen(fen);
    EXPECT_TRUE(parsed.position) << fen << ": " << parsed.error;
    return parsed.position ? parsed.position->board : empty_board();
}

// Turns a position by 180 degrees and swaps the colours.
BoardArray turned(const BoardArray& b) {
    BoardArray t = empty_board();
    constexpr std::uint8_t swap[5] = {0, BLACK_MAN, BLACK_KING, WHITE_MAN, WHITE_KING};
    for (int s = 1; s <= 32; ++s) t[33 - s] = swap[b[s]];
    return t;
}

TEST(KingsAgainstMen, KingOnTheDoubleCornerDiagonal) {
    // Black men on 12 and 16 (A = 7 and 6) cannot get past a king on b8.
    const BoardArray won = board_of("W:WKb8:Bh6,g5");
    EXPECT_TRUE(kings_against_men(won, 2, WHITE));
    EXPECT_TRUE(kings_against_men(turned(won), 2, BLACK));
    // The king may stand on 28 instead, with 1 empty, but not with both held.
    EXPECT_TRUE(kings_against_men(board_of("W:WKh2:Bh6,g5"), 2, WHITE));
    EXPECT_FALSE(kings_against_men(board_of("W:WKb8,Kh2:Bh6,g5"), 2, WHITE));
    // A man with A = 4 (square 14) has crossed the line.
    EXPECT_FALSE(kings_against_men(board_of("W:WKb8:Bh6,g5,c5"), 3, WHITE));
    EXPECT_FALSE(kings_against_men(turned(board_of("W:WKb8:Bh6,g5,c5")), 3, BLACK));
    // Four men are too many for this case.
    EXPECT_FALSE(kings_against_men(board_of("W:WKb8:Bf8,h8,h6,g5"), 4, WHITE));
}

TEST(KingsAgainstMen, MenTouchingTheKingsSideOrCornerTrapFail) {
    // A black man next to a white piece fails.
    EXPECT_FALSE(kings_against_men(board_of("W:WKb8,Kg5:Bh6"), 1, WHITE));
    // Square 4 with 8 empty and 11 occupied is the corner trap.
    EXPECT_FALSE(kings_against_men(board_of("W:WKb8:Bh8,f6"), 2, WHITE));
    EXPECT_TRUE(kings_against_men(board_of("W:WKb8:Bh8,g7,f6"), 3, WHITE));
    // An own man far advanced (A > 4) fails the first case.
    EXPECT_FALSE(kings_against_men(board_of("W:WKb8,d6:Bh6"), 1, WHITE));
    EXPECT_TRUE(kings_against_men(board_of("W:WKb8,a1:Bh6"), 1, WHITE));
}

TEST(KingsAgainstMen, SecondAndThirdDiagonals) {
    // King on d8 (2): men need A >= 7: squares 3, 4, 8, 12.
    EXPECT_TRUE(kings_against_men(board_of("W:WKd8:Bh8,g7,h6"), 3, WHITE));
    EXPECT_FALSE(kings_against_men(board_of("W:WKd8:Bh8,g7,f6"), 3, WHITE));
    EXPECT_TRUE(kings_against_men(turned(board_of("W:WKh4:Bh8,g7,h6")), 3, BLACK));
    // King on f8 (3): men need B <= 2: squares 1, 2, 5, 6, 9, 13. With four
    // men square 2 must be empty.
    EXPECT_TRUE(kings_against_men(board_of("W:WKf8:Ba7,b6,a5"), 3, WHITE));
    EXPECT_TRUE(kings_against_men(board_of("W:WKa3:Bb8,a7,b6,a5"), 4, WHITE));
    EXPECT_FALSE(kings_against_men(board_of("W:WKa3:Bd8,a7,b6,a5"), 4, WHITE));
    EXPECT_FALSE(kings_against_men(board_of("W:WKf8:Ba7,b6,c5"), 3, WHITE));
}

} // namespace
} // namespace selvako
