#include <gtest/gtest.h>

#include "search/time_budget.h"

namespace selvako {
namespace {

TEST(TimeBudget, DepthLevelGetsNoTime) {
    // "1 : Débutant": any second spent is too many.
    const TimeBudget plan = plan_time(2, 58, 0, 0, false, false);
    EXPECT_EQ(plan.target, 0);
    EXPECT_EQ(plan.maximum, 0);
    EXPECT_EQ(plan.hard_limit, 58);
}

TEST(TimeBudget, FirstSixtyHalfMovesShareTheBudget) {
    // (160 - 0) / 60 = 2, nine tenths of that truncates to 1.
    TimeBudget plan = plan_time(160, 178, 0, 0, false, false);
    EXPECT_EQ(plan.target, 1);
    EXPECT_EQ(plan.maximum, 5);
    EXPECT_EQ(plan.hard_limit, 178);
    // (1680 - 300) / (60 - 20) = 34, then 30; within a tenth of the budget.
    plan = plan_time(1680, 1798, 20, 300, false, false);
    EXPECT_EQ(plan.target, 30);
    // Short of time: the ninetieth of the budget is the floor while it fits.
    plan = plan_time(1680, 1798, 59, 1670, false, false);
    EXPECT_EQ(plan.target, 18);
    plan = plan_time(1680, 1798, 59, 1785, false, false);
    EXPECT_EQ(plan.target, 1);
}

TEST(TimeBudget, LaterHalfMovesEarnHalfBudgets) {
    // k = 2: ((3 * 160 / 2) - 100) / (90 - 70) = 7, then 6.
    const TimeBudget plan = plan_time(160, 178, 70, 100, false, false);
    EXPECT_EQ(plan.target, 6);
    EXPECT_EQ(plan.maximum, 30);
    EXPECT_EQ(plan.hard_limit, 71 * 178 / 60);
}

TEST(TimeBudget, AnalysisPonderAndEndlessBudget) {
    EXPECT_EQ(plan_time(540, 598, 10, 0, true, false).target, 18);
    EXPECT_EQ(plan_time(540, 598, 10, 0, false, true).target, UNLIMITED_SECONDS);
    const TimeBudget endless = plan_time(32000, 598, 10, 0, false, false);
    EXPECT_EQ(endless.target, UNLIMITED_SECONDS);
    EXPECT_EQ(endless.maximum, UNLIMITED_SECONDS);
}

TEST(TimeBudget, LargestAutreLevelAndFullClocksDoNotWrap) {
    // "Autre" at its largest number of minutes: 7 × B / 2 passes 2^31 after ply 180.
    const std::int32_t minutes = INT32_MAX / 60;
    const std::int32_t B = minutes * 55;
    const std::int32_t L = minutes * 60 - 2;
    TimeBudget plan = plan_time(B, L, 200, 0, false, false);
    EXPECT_EQ(plan.target, B / 10);
    EXPECT_EQ(plan.maximum, 5 * (B / 10));
    EXPECT_EQ(plan.hard_limit, INT32_MAX); // 201 × L / 60 is past the range
    // A clock used up to the end of its range leaves the least.
    plan = plan_time(160, 178, 10, INT32_MAX, false, false);
    EXPECT_EQ(plan.target, 1);
    EXPECT_EQ(plan.hard_limit, 178);
    plan = plan_time(INT32_MAX, INT32_MAX, 100, 0, false, false);
    EXPECT_GT(plan.target, 0);
    EXPECT_EQ(plan.hard_limit, INT32_MAX);
    EXPECT_EQ(saturate_seconds(std::int64_t{INT32_MIN} - 1), INT32_MIN);
}

} // namespace
} // namespace selvako
