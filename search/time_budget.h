#pragma once
// How many seconds the search may spend on one move, planned from the level's
// two parameters and the side's clock. All arithmetic is integer and truncates
// toward zero, as the levels were tuned against it.

#include <cstdint>

namespace selvako {

struct TimeBudget {
    std::int32_t target = 0;     // deepening stops after an iteration past this
    std::int32_t maximum = 0;    // the search stops itself past this
    std::int32_t hard_limit = 0; // seconds the side may have used in all
};

inline constexpr std::int32_t UNLIMITED_SECONDS = 3200000;
// A budget of this many seconds means "think until stopped".
inline constexpr std::int32_t UNLIMITED_BUDGET = 32000;

// Seconds beyond the 32-bit range read as its nearest end.
inline std::int32_t saturate_seconds(std::int64_t seconds) {
    if (seconds > INT32_MAX) return INT32_MAX;
    if (seconds < INT32_MIN) return INT32_MIN;
    return static_cast<std::int32_t>(seconds);
}

// budget = budget_recherche, allowance = temps_alloue, half_move =
// num_demi_coup, used = the side's clock before this move.
TimeBudget plan_time(std::int32_t budget, std::int32_t allowance, std::int32_t half_move,
                     std::int32_t used, bool analysis, bool ponder);

} // namespace selvako
