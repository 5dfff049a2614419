#pragma once
// A time per move turned into the level parameters the search plans with.

#include <cstdint>

namespace selvako {

// The smallest budget whose planned time for this move reaches `seconds`.
std::int32_t budget_for_seconds(int seconds, int half_move);

} // namespace selvako
