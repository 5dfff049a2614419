#include "search/time_budget.h"

namespace selvako {

TimeBudget plan_time(std::int32_t budget, std::int32_t allowance, std::int32_t half_move,
                     std::int32_t used, bool analysis, bool ponder) {
    // Worked in 64 bits: every level's values give the same seconds as in
    // 32, and the largest "Autre" budgets or a full clock no longer overflow.
    const std::int64_t B = budget;
    const std::int64_t L = allowance;
    const std::int64_t h = half_move;
    const std::int64_t U = used;
    std::int64_t T = 0;
    if (analysis) {
        T = B / 30;
    } else {
        if (h < 60) {
            T = (B - U) / (60 - h);
        } else {
            // Every further 30 half-moves earn another half budget.
            const std::int64_t k = h / 30;
            T = ((k + 1) * B / 2 - U) / ((k + 1) * 30 - h);
        }
        T = T * 9 / 10;
        if (T < 1 && B != 30) T = 1;
        if (B / 90 > T && U + B / 90 < L) T = B / 90;
    }
    if (B / 10 < T) T = B / 10;
    TimeBudget plan;
    plan.target = saturate_seconds(T);
    plan.maximum = saturate_seconds(5 * T);
    plan.hard_limit = saturate_seconds(h < 60 ? L : (h + 1) * L / 60);
    if (B == UNLIMITED_BUDGET || ponder) plan.target = plan.maximum = UNLIMITED_SECONDS;
    return plan;
}

} // namespace selvako
