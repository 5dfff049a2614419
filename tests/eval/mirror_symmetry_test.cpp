// The rules are the same for both colours, so the evaluation must be too: a
// position and the same position turned round with the colours exchanged
// score alike, each from its own side, term by term.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "eval/evaluate.h"
#include "eval_test_support.h"
#include "tests/engine/random_games.h"
#include "tests/engine/turned_position.h"

namespace selvako {
namespace {

// Random tables with variant squares that recognise the mirror-image set-up
// for Black, as the shipped parameters do.
EvalParameters mirror_consistent_parameters(std::mt19937& rng) {
    EvalParameters p = test::random_parameters(rng);
    auto fill = [&rng](VariantSquares& white, VariantSquares& black) {
        for (std::size_t i = 0; i < white.size(); ++i) {
            white[i] = static_cast<std::int8_t>(17 + rng() % 16);
            black[i] = static_cast<std::int8_t>(33 - white[i]);
        }
    };
    fill(p.variant1_white, p.variant1_black);
    fill(p.variant2_white, p.variant2_black);
    return p;
}

struct Scored {
    EvalState eval;
    EngineState st;
    EvalBreakdown at(int side, int ply, Square last, std::uint8_t root_piece) {
        prepare_evaluation(eval, st, side);
        st.ply = static_cast<std::int8_t>(ply);
        st.last_destination = last;
        eval.root_piece = root_piece;
        return evaluate_breakdown(eval, st, side, -32000, 32000);
    }
};

std::uint8_t other_colour(std::uint8_t code) {
    constexpr std::uint8_t swap[5] = {0, BLACK_MAN, BLACK_KING, WHITE_MAN, WHITE_KING};
    return code <= BLACK_KING ? swap[code] : code;
}

#define EXPECT_SAME_TERM(term) EXPECT_EQ(x.term, y.term) << #term << " differs in " << where

TEST(EvaluationSymmetry, TurnedPositionsScoreAlikeTermByTerm) {
    std::mt19937 rng(21);
    const EvalParameters p = mirror_consistent_parameters(rng);
    int positions = 0, with_kings = 0, with_promotion = 0, with_safety = 0;
    int failures = 0;
    testing::play_random_games(60, 2021, [&](EngineState& play, int side) {
        if (failures > 5) return; // one fault shows in many positions
        const std::string fen = to_fen(Position{play.board, side});
        const auto turned = parse_fen(testing::turned_fen(fen));
        ASSERT_TRUE(turned.position);
        ++positions;
        with_kings += play.counts[WHITE_KING] + play.counts[BLACK_KING] > 0;
        const Square last = play.last_destination;
        const Square turned_last = last == 0 ? Square{0} : mirror_square(last);
        const std::uint8_t root_piece = play.board[last];
        for (int ply = 1; ply <= 4; ++ply) {
            for (int view : {WHITE, BLACK}) {
                Scored a, b;
                a.eval.parameters = b.eval.parameters = p;
                a.st.set_position(play.board);
                b.st.set_position(turned.position->board);
                const EvalBreakdown x = a.at(view, ply, last, root_piece);
                const EvalBreakdown y = b.at(1 - view, ply, turned_last, other_colour(root_piece));
                with_promotion += x.promotion != 0;
                with_safety += x.man_safety != 0;
                const std::string where = fen + " ply " + std::to_string(ply) + " for " +
                                          (view == WHITE ? "White" : "Black");
                EXPECT_SAME_TERM(material);
                EXPECT_SAME_TERM(long_diagonal);
                EXPECT_SAME_TERM(square_tables);
                EXPECT_SAME_TERM(tempo);
                EXPECT_SAME_TERM(centre);
                EXPECT_SAME_TERM(wing_balance);
                EXPECT_SAME_TERM(opening_wings);
                EXPECT_SAME_TERM(breakthrough);
                EXPECT_SAME_TERM(back_rank);
                EXPECT_SAME_TERM(man_safety);
                EXPECT_SAME_TERM(hanging_piece);
                EXPECT_SAME_TERM(promotion);
                EXPECT_SAME_TERM(two_kings_ending);
                EXPECT_SAME_TERM(root_man_move);
                EXPECT_SAME_TERM(endings);
                EXPECT_SAME_TERM(quarter);
                EXPECT_SAME_TERM(total);
                failures += x.total != y.total;
            }
        }
    });
    // Enough of every kind of position for the comparison to mean something.
    EXPECT_GT(positions, 3000);
    EXPECT_GT(with_kings, 500);
    EXPECT_GT(with_promotion, 1000);
    EXPECT_GT(with_safety, 1000);
}

} // namespace
} // namespace selvako
