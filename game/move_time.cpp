#include "game/move_time.h"

#include "search/time_budget.h"

namespace selvako {

std::int32_t budget_for_seconds(int seconds, int half_move) {
    std::int32_t budget = 1;
    while (budget < UNLIMITED_BUDGET - 1 &&
           plan_time(budget, UNLIMITED_SECONDS, half_move, 0, false, false).target < seconds)
        ++budget;
    return budget;
}

} // namespace selvako
