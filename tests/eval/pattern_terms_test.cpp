#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/make_move.h"
#include "engine/move_generation.h"
#include "eval/breakthrough_catalogue.h"
#include "eval/pattern_terms.h"
#include "eval_test_support.h"

namespace selvako {
namespace {

using test::board_of;

int promotion_of(std::string_view fen, int ply, int side) {
    const BoardArray b = board_of(fen);
    const PieceCounts c = count_pieces(b);
    return promotion_threats(PatternBoard{b, c, ply, 0}, side);
}

TEST(PromotionThreats, ManOnA7DoubledClampedAndHalvedAgain) {
    // 75 for the man, 5 from White's rule 15 and -5 from Black's: 75, doubled
    // 150, clamped 125, and half again (187) when White is to move.
    EXPECT_EQ(promotion_of("W:Wa7:B", 1, WHITE), 187);
    EXPECT_EQ(promotion_of("W:Wa7:B", 2, WHITE), 125);
    EXPECT_EQ(promotion_of("W:Wa7:B", 2, BLACK), -187);
    EXPECT_EQ(promotion_of("W:Wa7:B", 1, BLACK), -125);
    // Black's rule 1 mirrors it.
    EXPECT_EQ(promotion_of("W:W:Bh2", 2, WHITE), -187);
}

TEST(PromotionThreats, BlackRulesMirrorWhites) {
    // A lone white man on g5, White to move: rule 12 gives 60 and rule 15
    // 15 + 27, Black's rule 15 -5: 97, doubled and clamped 125, then 187.
    EXPECT_EQ(promotion_of("W:Wg5:Bb8", 1, WHITE), 187);
    // Its mirror, a lone black man on b4 with Black to move, scores the same
    // for Black (Black's rule 12 once also wanted 21 occupied).
    EXPECT_EQ(promotion_of("W:Wg1:Bb4", 1, BLACK), 187);
    // White's rule 4 pays 75 for a man on g7 behind a held f8 with the move;
    // Black's man on b2 gets the same.
    EXPECT_EQ(promotion_of("W:Wg7,Kf8,Kh6:Bb4,Kh2", 1, WHITE),
              promotion_of("W:Wg5,Ka7:Bb2,Kc1,Ka3", 1, BLACK));
}

TEST(ManSafety, StartPositionAndClamp) {
    const BoardArray start = start_position();
    const PieceCounts c = count_pieces(start);
    // No man can be taken at the start, and the position is its own mirror.
    EXPECT_EQ(man_safety(PatternBoard{start, c, 1, 0}, WHITE), 0);
    EXPECT_EQ(man_safety(PatternBoard{start, c, 2, 0}, BLACK), 0);
}

// man_safety of a position and of its mirror differ only in sign.
TEST(ManSafety, MirrorImagesScoreOpposite) {
    std::mt19937 rng(17);
    int lowest = 0, highest = 0;
    for (int n = 0; n < 3000; ++n) {
        BoardArray b = empty_board();
        for (int s = 1; s <= 32; ++s) {
            const int r = static_cast<int>(rng() % 6);
            if (r == 1) b[s] = WHITE_MAN;
            if (r == 2) b[s] = BLACK_MAN;
        }
        const BoardArray m = test::mirrored(b);
        const PieceCounts c = count_pieces(b), cm = count_pieces(m);
        for (int phase : {0, 3}) {
            const int x = man_safety(PatternBoard{b, c, 1, phase}, WHITE);
            const int y = man_safety(PatternBoard{m, cm, 1, phase}, WHITE);
            lowest = std::min(lowest, x);
            highest = std::max(highest, x);
            ASSERT_EQ(x, -y);
        }
    }
    EXPECT_EQ(lowest, -60); // crowded boards reach the clamp both ways
    EXPECT_EQ(highest, 60);
    // The step-5 bounds: a black man on 9 (b6) has no room for free steps,
    // as a white man on 24 (g3) has none.
    const BoardArray nine = test::board_of("W:Wg1:Bb6,b8");
    const BoardArray twenty_four = test::board_of("W:Wg3,g1:Bb8");
    EXPECT_EQ(man_safety(PatternBoard{nine, count_pieces(nine), 1, 0}, BLACK),
              man_safety(PatternBoard{twenty_four, count_pieces(twenty_four), 1, 0}, WHITE));
}

TEST(BackRank, WorkedExamplesAndTheClamp) {
    auto back_rank = [](std::string_view fen, int phase, int side = WHITE) {
        const BoardArray b = board_of(fen);
        const PieceCounts c = count_pieces(b);
        return back_rank_structure(PatternBoard{b, c, 1, phase}, side);
    };
    // A white man on h6 with f8 empty: 25 with a black man on h8, else 15.
    // Both double corners are empty too: +10 and -10.
    EXPECT_EQ(back_rank("W:Wh6:Bh8", 2), 25);
    EXPECT_EQ(back_rank("W:Wh6:Bh8", 2, BLACK), -25);
    EXPECT_EQ(back_rank("W:Wh6:Bg7", 2), 15);
    // The mirror: a black man on a3 with c1 empty and a white man on a1.
    EXPECT_EQ(back_rank("W:Wa1:Ba3", 2), -25);
    // The opponent's double corner gone with a man of ours on a5: 35 + 10
    // (opening) + outposts, clamped at 45; negated for Black.
    EXPECT_EQ(back_rank("W:Wa5,c5,d4,9-12,h2,a1,c1,e1,g1:Bb6,30-32,26-28,22-24", 0), 45);
    EXPECT_EQ(back_rank("W:Wa5,c5,d4,9-12,h2,a1,c1,e1,g1:Bb6,30-32,26-28,22-24", 0, BLACK), -45);
    // Its mirror image scores the opposite.
    const BoardArray b = test::mirrored(board_of("W:Wa5,c5,d4,9-12,h2,a1,c1,e1,g1:Bb6,30-32,26-28,22-24"));
    const PieceCounts c = count_pieces(b);
    EXPECT_EQ(back_rank_structure(PatternBoard{b, c, 2, 0}, WHITE), -45);
}

TEST(Breakthrough, TheFirstFormationOfTheCatalogue) {
    auto breakthrough = [](std::string_view fen, int ply, int side) {
        const BoardArray b = board_of(fen);
        const PieceCounts c = count_pieces(b);
        return breakthrough_patterns(PatternBoard{b, c, ply, 0}, side);
    };
    // WM 13, 9; 6 empty; 1 occupied; BM 2, 10; 14 not a white man; BM 11 with 8 empty: 120.
    const char* fen = "W:Wa5,b6,c1:Bb8,d8,d6,f6";
    EXPECT_EQ(breakthrough(fen, 1, WHITE), 120);
    EXPECT_EQ(breakthrough(fen, 2, BLACK), -120);
    EXPECT_EQ(breakthrough(fen, 2, WHITE), 0); // only for the side to move
    // Its mirror for Black to move.
    const BoardArray m = test::mirrored(board_of(fen));
    const PieceCounts c = count_pieces(m);
    EXPECT_EQ(breakthrough_patterns(PatternBoard{m, c, 2, 0}, WHITE), -120);
    // 19 holding a black man with 15 occupied, no 120 case: 80.
    EXPECT_EQ(breakthrough("W:Wa5,b6,e5,g3,c1:Bb8,d8,d6,f4", 1, WHITE), 80);
}

TEST(Breakthrough, NotScoredWithAKingOnTheBoard) {
    EvalState eval;
    EngineState st;
    st.set_position(board_of("W:Wa5,b6,Kc1:Bb8,d8,d6,f6"));
    prepare_evaluation(eval, st, WHITE);
    st.ply = 1;
    EXPECT_EQ(evaluate_breakdown(eval, st, WHITE, -32000, 32000).breakthrough, 0);
    st.set_position(board_of("W:Wa5,b6,c1:Bb8,d8,d6,f6"));
    prepare_evaluation(eval, st, WHITE);
    st.ply = 1;
    EXPECT_EQ(evaluate_breakdown(eval, st, WHITE, -32000, 32000).breakthrough, 120);
}

} // namespace
} // namespace selvako
