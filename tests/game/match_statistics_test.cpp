// What a match's results say: Elo and its 95 % interval from the trinomial
// spread, and the SPRT's log-likelihood ratio and bounds. The expected
// figures were worked out by hand from the formulas testers publish.

#include <gtest/gtest.h>

#include "game/match_statistics.h"

namespace selvako {
namespace {

TEST(MatchStatistics, EloAndIntervalOfKnownResults) {
    struct Case {
        MatchScore score;
        double elo, low, high;
    };
    for (const Case& c : {Case{{60, 20, 20}, 147.19, 86.23, 218.25},
                          Case{{30, 40, 30}, 0.0, -53.16, 53.16},
                          // 48 % in 32 games: the interval is wide.
                          Case{{5, 21, 6}, -10.86, -82.87, 60.22}}) {
        const EloEstimate e = estimate_elo(c.score);
        ASSERT_TRUE(e.elo && e.low && e.high);
        EXPECT_NEAR(*e.elo, c.elo, 0.01);
        EXPECT_NEAR(*e.low, c.low, 0.01);
        EXPECT_NEAR(*e.high, c.high, 0.01);
    }
}

TEST(MatchStatistics, ScoresOfNoneOrAllGiveNoFiniteElo) {
    EXPECT_FALSE(estimate_elo({10, 0, 0}).elo);
    EXPECT_DOUBLE_EQ(estimate_elo({10, 0, 0}).score, 1.0);
    EXPECT_FALSE(estimate_elo({0, 0, 7}).elo);
    EXPECT_FALSE(estimate_elo({}).elo);
    // A single draw is a score of one half, but nothing is known of its spread.
    const EloEstimate one_draw = estimate_elo({0, 1, 0});
    ASSERT_TRUE(one_draw.elo);
    EXPECT_DOUBLE_EQ(*one_draw.elo, 0.0);
}

TEST(MatchStatistics, EloAndScoreAreInverse) {
    EXPECT_NEAR(score_of_elo(0), 0.5, 1e-12);
    EXPECT_NEAR(score_of_elo(400), 10.0 / 11.0, 1e-12);
    EXPECT_NEAR(elo_of_score(score_of_elo(-123.4)), -123.4, 1e-9);
}

TEST(MatchStatistics, SprtBoundsAndVerdicts) {
    const auto even = sprt({100, 50, 50}, {0, 5, 0.05, 0.05});
    ASSERT_TRUE(even);
    EXPECT_NEAR(even->lower, -2.944, 0.001);
    EXPECT_NEAR(even->upper, 2.944, 0.001);
    EXPECT_NEAR(even->llr, 1.0164, 0.0001);
    EXPECT_EQ(even->verdict, SprtVerdict::continue_testing);

    const auto better = sprt({600, 200, 200}, {0, 10, 0.05, 0.05});
    ASSERT_TRUE(better);
    EXPECT_NEAR(better->llr, 17.337, 0.001);
    EXPECT_EQ(better->verdict, SprtVerdict::accept_h1);

    const auto worse = sprt({200, 200, 600}, {0, 10, 0.05, 0.05});
    ASSERT_TRUE(worse);
    EXPECT_NEAR(worse->llr, -18.631, 0.001);
    EXPECT_EQ(worse->verdict, SprtVerdict::accept_h0);

    // Unequal error rates move the bounds apart unevenly.
    const auto uneven = sprt({}, {0, 5, 0.05, 0.1});
    ASSERT_TRUE(uneven);
    EXPECT_NEAR(uneven->lower, -2.251, 0.001);
    EXPECT_NEAR(uneven->upper, 2.890, 0.001);
    EXPECT_EQ(uneven->llr, 0.0);
    EXPECT_EQ(verdict_text(uneven->verdict), "continue");
}

// A 1 s match crossed H1 at +66 =120 -39; the two games begun beside the
// deciding one brought it to +66 =121 -40, below the bound again. Run game by
// game, the test keeps the decision it made; the plain test of the final
// score would say to continue.
TEST(MatchStatistics, ASequentialTestKeepsItsDecision) {
    const SprtSettings settings{0, 25, 0.05, 0.05};
    SequentialTest test(settings);
    EXPECT_EQ(test.after({65, 120, 39})->verdict, SprtVerdict::continue_testing);
    EXPECT_FALSE(test.decided());
    const auto crossed = test.after({66, 120, 39});
    EXPECT_EQ(crossed->verdict, SprtVerdict::accept_h1);
    EXPECT_NEAR(crossed->llr, 3.005, 0.001);
    const auto later = test.after({66, 121, 40});
    EXPECT_EQ(later->verdict, SprtVerdict::accept_h1);
    EXPECT_EQ(later->llr, crossed->llr);
    EXPECT_EQ(sprt({66, 121, 40}, settings)->verdict, SprtVerdict::continue_testing);
    // Settings that make no test give no decision.
    SequentialTest none({5, 5, 0.05, 0.05});
    EXPECT_FALSE(none.after({10, 0, 0}));
    EXPECT_FALSE(none.decided());
}

TEST(MatchStatistics, SettingsThatMakeNoTestAreRefused) {
    EXPECT_FALSE(sprt({}, {5, 5, 0.05, 0.05}));
    EXPECT_FALSE(sprt({}, {5, 0, 0.05, 0.05}));
    EXPECT_FALSE(sprt({}, {0, 5, 0.0, 0.05}));
    EXPECT_FALSE(sprt({}, {0, 5, 0.05, 0.6}));
}

} // namespace
} // namespace selvako
