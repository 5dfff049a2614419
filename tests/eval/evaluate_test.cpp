#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "engine/make_move.h"
#include "engine/move_generation.h"
#include "eval_test_support.h"

namespace selvako {
namespace {

using test::board_of;

struct Evaluator {
    EvalState eval;
    EngineState st;

    explicit Evaluator(std::string_view fen, const EvalParameters& p = {}) {
        eval.parameters = p;
        st.set_position(board_of(fen));
        prepare_evaluation(eval, st, WHITE);
    }
    EvalBreakdown at(int side, int ply, int alpha = -32000, int beta = 32000) {
        prepare_evaluation(eval, st, side);
        st.ply = static_cast<std::int8_t>(ply);
        return evaluate_breakdown(eval, st, side, alpha, beta);
    }
};

EvalParameters default_like() {
    EvalParameters p;
    p.t1 = 18;
    p.t2 = 10;
    p.t3 = 6;
    return p;
}

TEST(Evaluate, AllZeroParametersMeanOpeningAndBaseKingValue) {
    Evaluator e("W:W1-12:B21-32");
    const EvalBreakdown start = e.at(WHITE, 1);
    EXPECT_EQ(e.eval.root_phase, PHASE_OPENING);
    EXPECT_EQ(start.material, 0);
    EXPECT_EQ(start.square_tables, 0);
    EXPECT_EQ(start.tempo, 0);

    Evaluator kings("W:WKc3,Ke3,a3:Bf8,h8");
    EXPECT_EQ(kings.at(WHITE, 1).king_value, 520);
    EXPECT_EQ(kings.at(WHITE, 1).material, 200 + 2 * 520 - 400);
    EXPECT_EQ(kings.at(BLACK, 1).material, -(200 + 2 * 520 - 400));
}

TEST(Evaluate, KingValueRisesAsTheBoardEmpties) {
    const EvalParameters p = default_like();
    // 19 pieces: opening, 260; a single king adds 30.
    EXPECT_EQ(Evaluator("W:WKg1,a3,c3,e3,g3,b2,d2,f2,h2,a1:Bb8,d8,f8,h8,a7,c7,e7,g7,b6", p).at(WHITE, 1).king_value, 2 * 260 + 30);
    EXPECT_EQ(Evaluator("W:WKg1,Ke1,a3,c3,e3,g3,b2,d2,f2,h2,a1:Bb8,d8,f8,h8,a7,c7,e7,g7,b6", p).at(WHITE, 1).king_value, 2 * 260);
    EXPECT_EQ(Evaluator("W:WKg1,Ke1,a3,c3,e3,g3,b2:Bb8,d8,f8,h8,a7", p).at(WHITE, 1).king_value, 2 * 290);
    EXPECT_EQ(Evaluator("W:WKg1,Ke1,9-11:B29-31", p).at(WHITE, 1).king_value, 2 * 310);
    EXPECT_EQ(Evaluator("W:WKg1,9-10:B29-31", p).at(WHITE, 1).king_value, 2 * 330 + 30);
}

TEST(Evaluate, LazyExitAtOddAndEvenPlies) {
    Evaluator e("W:W1-12:Bb8,d8,f8,h8,a7,c7,e7,g7,b6,d6", default_like()); // White two men up: 400
    // Ply 1: material far below alpha returns material alone.
    EXPECT_TRUE(e.at(BLACK, 1, -400 + 185, 32000).lazy_exit);
    EXPECT_EQ(e.at(BLACK, 1, -400 + 185, 32000).total, -400);
    EXPECT_FALSE(e.at(BLACK, 1, -400 + 184, 32000).lazy_exit);
    // Ply 2: material at least beta + 185.
    EXPECT_TRUE(e.at(WHITE, 2, -32000, 400 - 185).lazy_exit);
    EXPECT_FALSE(e.at(WHITE, 2, -32000, 400 - 184).lazy_exit);
    // The bounds only matter on their own side of the ply.
    EXPECT_FALSE(e.at(WHITE, 1, -32000, 0).lazy_exit);
}

TEST(Evaluate, VariantNeedsNineOfFourteen) {
    EvalParameters p = default_like();
    p.variant1_white = {21, 22, 23, 24, 25, 26, 27};
    p.variant1_black = {1, 2, 3, 4, 5, 6, 7};
    p.variant2_white = {21, 22, 23, 24, 25, 26, 27};
    p.variant2_black = {1, 2, 3, 4, 5, 6, 7};
    // 8 of 14: squares 21-24 and 1-4.
    Evaluator eight("W:W9-12,1-4:B29-32,21-24", p);
    EXPECT_FALSE(eight.eval.variant1);
    EXPECT_FALSE(eight.eval.variant2);
    Evaluator nine("W:Wa3,c3,e3,g3,b2,1-4:B29-32,21-24", p);
    EXPECT_TRUE(nine.eval.variant1);
    EXPECT_FALSE(nine.eval.variant2); // never both
    // Variant 2 alone, and the table follows the variant of the previous preparation.
    p.variant1_white.fill(0);
    p.tables[VARIANT2_MIDDLE][33 - 21] = 100;
    Evaluator second("W:Wa3,c3,e3,g3,b2,1-4:B29-32,21-24", p);
    EXPECT_TRUE(second.eval.variant2);
    EXPECT_EQ(second.eval.term_tables.men[12], 0);
    prepare_evaluation(second.eval, second.st, WHITE);
    EXPECT_EQ(second.eval.term_tables.men[12], 100);
    // Outside the opening and middle game the flags stay as they were.
    Evaluator late("W:Wa3,c3,e3,g3,b2:B29-32", p);
    late.eval.variant2 = true;
    prepare_evaluation(late.eval, late.st, WHITE);
    EXPECT_EQ(late.eval.root_phase, PHASE_PRE_FINAL);
    EXPECT_TRUE(late.eval.variant2);
}

TEST(Evaluate, HangingPieceCreditsTheMover) {
    // White has just played to 18 (d4), between an empty 22 (c3) and a black man on 15 (e5).
    Evaluator e("W:Wd4,a1:Be5,b8", default_like());
    e.st.last_destination = 18;
    EXPECT_EQ(e.at(WHITE, 1).hanging_piece, 0);
    EXPECT_EQ(e.at(WHITE, 2).hanging_piece, 0);
    EXPECT_EQ(e.at(WHITE, 3).hanging_piece, -100);
    EXPECT_EQ(e.at(WHITE, 4).hanging_piece, 100);
    // A king next to a man is no such pair; the sentinel never counts as empty.
    Evaluator k("W:WKd4,a1:Be5,b8", default_like());
    k.st.last_destination = 18;
    EXPECT_EQ(k.at(WHITE, 3).hanging_piece, 0);
    Evaluator edge("W:Wa5,a1:Bb6,b8", default_like());
    edge.st.last_destination = 13;
    EXPECT_EQ(edge.at(WHITE, 3).hanging_piece, 0);
}

TEST(Evaluate, FourKingsAgainstTwoInTheCorners) {
    const EvalParameters p = default_like();
    const EvalBreakdown halved = Evaluator("W:WKd6,Kf6,Kd4,Kf4:BKb8,Kg1", p).at(WHITE, 1);
    const int before = halved.total - halved.endings;
    EXPECT_EQ(halved.total, before / 2);
    EXPECT_NE(halved.endings, 0);
    EXPECT_EQ(Evaluator("W:WKd6,Kf6,Kd4,Kf4:BKb8,Kh2", p).at(WHITE, 1).endings, 0);
    EXPECT_NE(Evaluator("W:WKb8,Kg1:BKd6,Kf6,Kd4,Kf4", p).at(BLACK, 1).endings, 0);
}

TEST(Evaluate, MenAndKingsEndingsAreQuartered) {
    const EvalParameters p = default_like();
    EvalBreakdown t = Evaluator("W:WKb8,Kd8,b2,a1:BKe1,Kg1,a7", p).at(WHITE, 1);
    const int before = t.total - t.quarter;
    EXPECT_NE(t.quarter, 0);
    EXPECT_EQ(t.total, before / 4);
    // Eight pieces: not quartered.
    EXPECT_EQ(Evaluator("W:WKb8,Kd8,b2,a1:BKe1,Kg1,a7,c7", p).at(WHITE, 1).quarter, 0);
}

TEST(Evaluate, TruncationTowardZeroOnNegativeTotals) {
    // Black's view of a position where Black is worse: negative totals must
    // shrink toward zero when divided, never round down.
    const EvalParameters p = default_like();
    for (const char* fen :
         {"W:WKb8,Kd8,b2,a1:BKe1,Kg1,a7", "W:WKh8,Kg7,a3:BKf2,Ke1,h6,f6", "W:WKf8,Ke7,b4,a3:BKh2,Kg3,c7"}) {
        for (int side : {WHITE, BLACK}) {
            Evaluator e(fen, p);
            const EvalBreakdown t = e.at(side, 1);
            const int before = t.total - t.quarter;
            EXPECT_EQ(t.total * 4 + before % 4, before) << fen;
            EXPECT_LE(std::abs(t.total * 4), std::abs(before)) << fen;
        }
    }
}

// Square tables worth 200 a man: a material edge turns into a positional sum
// far past both clamps, which must then hold it at exactly 45 and 170.
TEST(Evaluate, PositionalClamps) {
    EvalParameters p = default_like();
    for (auto& t : p.tables) t.fill(200);
    // 16 men: the clamp at 45 applies (more than T3 pieces).
    for (int side : {WHITE, BLACK}) {
        const EvalBreakdown t = Evaluator("W:W1-12:B29-32", p).at(side, 1);
        const int early = t.long_diagonal + t.square_tables + t.tempo + t.centre + t.wing_balance;
        EXPECT_EQ(early + t.clamp_45, side == WHITE ? 45 : -45);
        EXPECT_NE(t.clamp_45, 0);
    }
    // 5 pieces, no clamp at 45; the sum before the promotion term stops at 170.
    for (int side : {WHITE, BLACK}) {
        const EvalBreakdown t = Evaluator("W:W1-4:Bb8", p).at(side, 1);
        EXPECT_EQ(t.clamp_45, 0);
        const int before = t.long_diagonal + t.square_tables + t.tempo + t.centre + t.wing_balance +
                           t.opening_wings + t.back_rank + t.man_safety + t.hanging_piece;
        EXPECT_EQ(before + t.clamp_170, side == WHITE ? 170 : -170);
        EXPECT_EQ(t.total, t.material + (side == WHITE ? 170 : -170) + t.promotion +
                               t.two_kings_ending + t.breakthrough + t.root_man_move);
    }
}

TEST(Evaluate, ThreeKingsBonus) {
    // Black man on 14 (c5, file 3); white kings on 11 (f6), 22 (c3), 30 (c1).
    const BoardArray b = board_of("W:WKf6,Kc3,Kc1:Bc5,Kb8");
    // K1 = 11 (file 6): nothing; K2 = 22 (file 3): 110; K3 = 30 (file 3): 100. 22 is on the
    // long diagonal but K1 is not on the man's file.
    EXPECT_EQ(three_kings_bonus(b, WHITE_KING), 210);
    const BoardArray d = board_of("W:Wd6,Ke1:BKd8,Kd4,Ke3");
    // Black's kings are taken in the order Black sees the squares: defender
    // white man on 10 (d6, file 4); K1 = 23 (e3, file 5): 40, and no 120 as
    // K1 is off the man's file; K2 = 18 (d4, file 4): 110; K3 = 2 (d8): 100.
    EXPECT_EQ(three_kings_bonus(d, BLACK_KING), 250);
    // The same for either colour of attacker.
    EXPECT_EQ(three_kings_bonus(test::mirrored(d), WHITE_KING), 250);
    EXPECT_EQ(three_kings_bonus(test::mirrored(b), BLACK_KING), 210);
}

TEST(Evaluate, RootManMoveInTheFinalPhase) {
    Evaluator e("W:Wa3,c3,Kc1:Bb8,d8,Ka7", default_like());
    e.eval.root_piece = WHITE_MAN;
    EXPECT_EQ(e.at(WHITE, 1).root_man_move, 30);
    EXPECT_EQ(e.at(BLACK, 1).root_man_move, -30);
    e.eval.root_piece = WHITE_KING;
    EXPECT_EQ(e.at(WHITE, 1).root_man_move, 0);
}

TEST(Evaluate, DisplayUsesPlyTwoAndFreshTerms) {
    EvalParameters p = default_like();
    std::mt19937 rng(3);
    p = test::random_parameters(rng);
    EvalState eval;
    eval.parameters = p;
    EngineState st;
    st.set_position(board_of("W:Wd4,a3,c3,e3,g3,b2,f2:Bb8,d8,f8,h8,a7,c7,e7,h6"));
    prepare_evaluation(eval, st, WHITE);
    st.running_terms = RunningTerms{}; // stale terms must not matter
    st.ply = 7;
    const Score shown = evaluate_for_display(eval, st, BLACK);
    EXPECT_EQ(st.ply, 2);
    prepare_evaluation(eval, st, BLACK);
    EXPECT_EQ(shown, evaluate(eval, st, BLACK, -32000, 32000));
}

// A position and its colour-mirrored copy score opposite, term by term
// (positions with kings: tests/eval/mirror_symmetry_test.cpp).
TEST(Evaluate, MirrorPositionsScoreOpposite) {
    std::mt19937 rng(11);
    int compared_totals = 0;
    for (int game = 0; game < 40; ++game) {
        EvalParameters p = test::random_parameters(rng);
        EngineState play;
        play.set_position(start_position());
        play.allocate_move_lists();
        play.ordering_enabled = false;
        int side = WHITE;
        for (int ply = 0; ply < 60; ++ply) {
            play.ply = 1;
            const int count = generate_moves(play, side);
            if (count == 0) break;
            make_move(play, play.list(1)[rng() % count]);
            side = 1 - side;
            if (play.counts[WHITE_KING] + play.counts[BLACK_KING] > 0) break;

            for (int eval_ply : {1, 2, 3}) {
                EvalState a, b;
                a.parameters = b.parameters = p;
                EngineState sa, sb;
                sa.set_position(play.board);
                sb.set_position(test::mirrored(play.board));
                sa.last_destination = play.last_destination;
                sb.last_destination = mirror_square(play.last_destination);
                prepare_evaluation(a, sa, WHITE);
                prepare_evaluation(b, sb, BLACK);
                sa.ply = sb.ply = static_cast<std::int8_t>(eval_ply);
                const EvalBreakdown x = evaluate_breakdown(a, sa, WHITE, -32000, 32000);
                const EvalBreakdown y = evaluate_breakdown(b, sb, BLACK, -32000, 32000);
                ASSERT_EQ(x.material, y.material);
                ASSERT_EQ(x.square_tables, y.square_tables);
                ASSERT_EQ(x.tempo, y.tempo);
                ASSERT_EQ(x.centre, y.centre);
                ASSERT_EQ(x.wing_balance, y.wing_balance);
                ASSERT_EQ(x.opening_wings, y.opening_wings);
                ASSERT_EQ(x.back_rank, y.back_rank);
                ASSERT_EQ(x.breakthrough, y.breakthrough);
                ASSERT_EQ(x.hanging_piece, y.hanging_piece);
                ASSERT_EQ(x.promotion, y.promotion);
                ASSERT_EQ(x.man_safety, y.man_safety);
                ASSERT_EQ(x.total, y.total);
                ++compared_totals;
            }
        }
    }
    EXPECT_GT(compared_totals, 100);
}

} // namespace
} // namespace selvako
