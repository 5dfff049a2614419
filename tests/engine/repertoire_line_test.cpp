#include <gtest/gtest.h>

#include "engine/fen.h"
#include "engine/repertoire_line.h"

namespace selvako {
namespace {

std::vector<PlayedMove> algebraic(std::initializer_list<const char*> moves) {
    std::vector<PlayedMove> out;
    for (const char* m : moves) {
        const std::string text = m;
        out.push_back(
            {parse_square(text.substr(0, 2)), parse_square(text.substr(text.size() - 2))});
    }
    return out;
}

TEST(RepertoireLine, ReadsProgramWrittenAndTypedLinesAlike) {
    const std::vector<PlayedMove> expected = {{22, 18}, {9, 14}, {24, 19}};
    for (const char* line : {"22-18  9-14 24-19 ", "22x18 9-14 24-19", "22-18 9x14 24-19"}) {
        const auto moves = repertoire_line_moves(line);
        ASSERT_EQ(moves.size(), expected.size()) << line;
        for (std::size_t i = 0; i < moves.size(); ++i) {
            EXPECT_EQ(moves[i].from, expected[i].from) << line;
            EXPECT_EQ(moves[i].to, expected[i].to) << line;
        }
    }
    // Text that names no square ends the line.
    EXPECT_EQ(repertoire_line_moves("22-18 ab-cd 24-19").size(), 1u);
    EXPECT_TRUE(repertoire_line_moves("").empty());
}

TEST(RepertoireLine, WrittenInTheProgramsOwnForm) {
    EXPECT_EQ(repertoire_line_text(std::vector<PlayedMove>{{22, 18}, {9, 14}}), "22-18  9-14 ");
    EXPECT_EQ(repertoire_line_text(std::vector<PlayedMove>{}), "");
    // Written and read back, a line is the same moves.
    const auto moves = algebraic({"c3-d4", "d6-c5", "b2-c3", "c7-d6"});
    const auto back = repertoire_line_moves(repertoire_line_text(moves));
    ASSERT_EQ(back.size(), moves.size());
    for (std::size_t i = 0; i < moves.size(); ++i) EXPECT_EQ(back[i].to, moves[i].to);
}

TEST(RepertoireLine, ReplayedWithTheRulesOfCapture) {
    // 1.c3-d4 b6-c5: White must take, d4xb6, and then Black retakes.
    const LineReplay taken = replay_line(algebraic({"c3-d4", "b6-c5", "d4xb6", "a7xc5"}));
    EXPECT_TRUE(taken.legal);
    ASSERT_EQ(taken.moves.size(), 4u);
    EXPECT_EQ(taken.moves[2].taken, 1);
    EXPECT_EQ(taken.side_to_move, WHITE);
    EXPECT_EQ(taken.board[parse_square("c5")], BLACK_MAN);
    EXPECT_EQ(taken.board[parse_square("d4")], EMPTY);

    // A quiet move where a capture is compulsory is refused.
    const LineReplay refused = replay_line(algebraic({"c3-d4", "b6-c5", "g3-f4"}));
    EXPECT_FALSE(refused.legal);
    EXPECT_EQ(refused.moves.size(), 2u);
    // So is a move of the wrong side, or of no piece.
    EXPECT_FALSE(replay_line(algebraic({"b6-a5"})).legal);
    EXPECT_FALSE(replay_line(algebraic({"c3-d4", "c3-b4"})).legal);
}

TEST(RepertoireLine, MajorityCaptureIsCompulsory) {
    // After these plies d2 can take c3 alone (d2xb4) or go on over c5 to d6:
    // only the capture of two is legal.
    const auto opening =
        algebraic({"c3-d4", "d6-c5", "b2-c3", "f6-e5", "d4xf6", "g7xe5", "c3-d4", "e5xc3"});
    auto greater = opening;
    greater.push_back({parse_square("d2"), parse_square("d6")});
    const LineReplay taken_two = replay_line(greater);
    ASSERT_TRUE(taken_two.legal);
    EXPECT_EQ(taken_two.moves.back().taken, 2);
    EXPECT_EQ(algebraic_line(greater), "c3-d4 d6-c5 b2-c3 f6-e5 d4xf6 g7xe5 c3-d4 e5xc3 d2xd6");

    auto smaller = opening;
    smaller.push_back({parse_square("d2"), parse_square("b4")});
    const LineReplay refused = replay_line(smaller);
    EXPECT_FALSE(refused.legal);
    EXPECT_EQ(refused.moves.size(), opening.size());
}

TEST(RepertoireLine, AlgebraicReadingMarksTheFirstIllegalMove) {
    EXPECT_EQ(algebraic_line(std::vector<PlayedMove>{{22, 18}, {9, 14}}), "c3-d4 b6-c5");
    EXPECT_EQ(algebraic_line(std::vector<PlayedMove>{{22, 18}, {22, 18}, {9, 14}}), "c3-d4 c3-d4?");
}

} // namespace
} // namespace selvako
