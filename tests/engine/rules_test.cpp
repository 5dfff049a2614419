#include "tests/engine/rules_fixture.h"

namespace selvako {
namespace {

using testing::legal_moves;
using Moves = std::multiset<std::string>;

TEST(PlainMoves, StartPosition) {
    EXPECT_EQ(legal_moves("W:W1-12:B21-32"),
              (Moves{"a3-b4", "c3-b4", "c3-d4", "e3-d4", "e3-f4", "g3-f4", "g3-h4"}));
    EXPECT_EQ(legal_moves("B:W1-12:B21-32"),
              (Moves{"b6-a5", "b6-c5", "d6-c5", "d6-e5", "f6-e5", "f6-g5", "h6-g5"}));
}

TEST(PlainMoves, MenStepForwardOnly) {
    EXPECT_EQ(legal_moves("B:W:Bh6"), (Moves{"h6-g5"}));
    EXPECT_EQ(legal_moves("B:W:Bg7"), (Moves{"g7-f6", "g7-h6"}));
    EXPECT_EQ(legal_moves("W:Wa1:B"), (Moves{"a1-b2"}));
    // A man on its own far row cannot move at all.
    EXPECT_EQ(legal_moves(testing::with_man_on_promotion_row("W:WKd8:B", "d8")), Moves{});
}

TEST(PlainMoves, FlyingKingSlidesToTheFirstObstacle) {
    EXPECT_EQ(legal_moves("W:WKa1,c3:B"), (Moves{"a1-b2", "c3-b4", "c3-d4"}));
    EXPECT_EQ(legal_moves("W:WKd4:B").size(), 13u);
}

TEST(PlainMoves, BlockedSideHasNoMove) {
    // White's man on a1 is blocked by its own man, which is blocked by Black.
    EXPECT_EQ(legal_moves("W:Wa1,b2:Ba3,c3,d4"), Moves{});
    EXPECT_EQ(legal_moves("B:W1-12:B"), Moves{});
}

TEST(CaptureRules, CaptureIsCompulsory) {
    EXPECT_EQ(legal_moves("W:Wc3,g3:Bd4"), (Moves{"c3xe5:d4"}));
}

TEST(CaptureRules, MenCaptureBackwards) {
    EXPECT_EQ(legal_moves("W:Wd4:Bc3"), (Moves{"d4xb2:c3"}));
    EXPECT_EQ(legal_moves("B:Wd6:Be5"), (Moves{"e5xc7:d6"}));
}

TEST(CaptureRules, MajorityAcrossPiecesKingsAndMenWeighAlike) {
    // c3 takes a king and a man, g3 two men, a5 only one man: the single capture goes.
    EXPECT_EQ(legal_moves("W:Wc3,g3,a5:BKd4,f4,f6,b6"), (Moves{"c3xg7:d4,f6", "g3xg7:f4,f6"}));
    // The king's two-piece captures beat the man's single one on f4.
    EXPECT_EQ(legal_moves("W:WKa1,e3:Bc3,b6,f4"),
              (Moves{"a1xa7:c3,b6", "a1xg3:c3,f4", "a1xh2:c3,f4"}));
}

TEST(CaptureRules, ManCrossingTheFarRowMidCaptureStaysAMan) {
    EXPECT_EQ(legal_moves("W:Wb6:Bc7,e7"), (Moves{"b6xf6:c7,e7"}));
}

TEST(CaptureRules, FlyingKingMayStopOnAnySquareBeyond) {
    EXPECT_EQ(legal_moves("W:WKa1:Bc3"),
              (Moves{"a1xd4:c3", "a1xe5:c3", "a1xf6:c3", "a1xg7:c3", "a1xh8:c3"}));
}

TEST(CaptureRules, KingMustStopWhereTheCaptureContinues) {
    // Of the five squares beyond c3 only e5 leads on, through d6 and b6.
    EXPECT_EQ(legal_moves("W:WKa1:Bc3,d6,b6"), (Moves{"a1xa5:c3,d6,b6"}));
    // Two pieces on one line, with room after each, are taken in one run.
    EXPECT_EQ(legal_moves("W:WKa1:Bc3,e5"), (Moves{"a1xf6:c3,e5", "a1xg7:c3,e5", "a1xh8:c3,e5"}));
}

TEST(CaptureRules, PiecesAreTakenOnceAndJumpedPiecesBlock) {
    // Around a square of four men the king comes back over its own starting
    // square; it may stop there. Both directions round the square are stored,
    // so c3xc3 appears twice. Going on over d4 again, or through it to g7,
    // would take a fifth piece and is not allowed.
    EXPECT_EQ(
        legal_moves("W:WKc3:Bd4,d6,b6,b4,g7"),
        (Moves{"c3xc3:d4,d6,b6,b4", "c3xd2:d4,d6,b6,b4", "c3xe1:d4,d6,b6,b4", "c3xc3:b4,b6,d6,d4",
               "c3xb2:b4,b6,d6,d4", "c3xa1:b4,b6,d6,d4", "c3xh8:b4,b6,d6,g7"}));
}

TEST(CaptureRules, ShortCaptureBranchesAreDropped) {
    // The man on c3 may take d4 then stop, or go on over f6; only the longer stays.
    EXPECT_EQ(legal_moves("W:Wc3:Bd4,f6"), (Moves{"c3xg7:d4,f6"}));
}

// The largest move lists tools/move_list_maximum found by hill climbing over
// boards with up to 12 pieces a side: every move must be stored, none lost.
TEST(MoveListRoom, LargestListsFound) {
    struct Case {
        const char* fen;
        std::size_t moves;
        std::size_t distinct;     // different from-, to- and captured squares
        const char* man = nullptr; // the king written there is a man on its promotion row
    };
    const Case cases[] = {
        {"W:WKb8,Kd8,Kf8,Kh8,Ka7,Ka5,Kf4,Kh4,Ka3,Ka1,Ke1,Kg1:B", 68, 68},
        {"W:WKb8,Kh8,Kc5,Ka3,e3,Kh2,c1:Bf8,e7,Kg7,Kb6,d6,g5,Kb4,d4,Kf4,d2,f2,Kg1", 54, 26, "g1"},
        {"W:WKa7,h6,Kf4,h2,Ka1,Kg1:Bb8,c7,Ke7,Kc5,Ke5,g5,b4,Ka3,e3,Kg3,Kb2,Kd2", 54, 26},
    };
    for (const Case& c : cases) {
        const Position pos = c.man ? testing::with_man_on_promotion_row(c.fen, c.man)
                                   : testing::position_from(c.fen);
        EngineState st;
        st.set_position(pos.board);
        st.ordering_enabled = false;
        const int count = generate_root_moves(st, WHITE);
        EXPECT_EQ(static_cast<std::size_t>(count), c.moves) << c.fen;
        EXPECT_LE(count, MOVE_LIST_CAPACITY);
        std::set<std::string> distinct;
        for (int i = 0; i < count; ++i) {
            const Move& m = st.list(1)[i];
            EXPECT_EQ(pos.board[m.to] == EMPTY || m.to == m.from, true)
                << "lands on an empty square";
            std::string key = move_text(m);
            std::set<int> taken(m.captured, m.captured + m.taken);
            for (int s : taken) key += ',' + std::to_string(s);
            distinct.insert(key);
        }
        EXPECT_EQ(distinct.size(), c.distinct) << c.fen;
    }
}

TEST(MoveListRoom, TwelveFreeKingsMoveToEveryOpenSquareOfTheirLines) {
    const Position pos =
        testing::position_from("W:WKb8,Kd8,Kf8,Kh8,Ka7,Ka5,Kf4,Kh4,Ka3,Ka1,Ke1,Kg1:B");
    int expected = 0;
    for (int s = 1; s <= 32; ++s) {
        if (pos.board[s] != WHITE_KING) continue;
        for (int d = 0; d < 4; ++d)
            for (Square t = NEIGHBOUR[d][s]; t != 0 && pos.board[t] == EMPTY; t = NEIGHBOUR[d][t])
                ++expected;
    }
    EXPECT_EQ(legal_moves(to_fen(pos)).size(), static_cast<std::size_t>(expected));
    EXPECT_GT(expected, 60);
}

} // namespace
} // namespace selvako
