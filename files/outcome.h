#pragma once
// How a game ended, as the text export and the rating formula read it.

#include <cstdint>

namespace selvako {

enum class Outcome : std::uint8_t {
    black_won = 0,
    draw = 1,
    white_won = 2,
    none = 3, // no result yet: at start-up and once "Nouveau" opens its panel
};

} // namespace selvako
