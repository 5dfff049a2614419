#pragma once
// The rating change of a rated match. The winner takes 5 points plus a share
// of the rating gap that grows quickly when the weaker player wins; a draw
// moves each player a tenth of the gap toward the other.

#include <cstdint>
#include <string>
#include <string_view>

#include "files/outcome.h"

namespace selvako {

struct Ratings {
    std::int32_t blanc = 0;
    std::int32_t noir = 0;

    friend bool operator==(const Ratings&, const Ratings&) = default;
};

// The ratings after the game. `Outcome::none` leaves them as they were.
Ratings new_ratings(Ratings before, Outcome outcome);

// "<name> passe de %4d à %4d", the line of the end-of-game panel.
std::string rating_change_line(std::string_view name, std::int32_t before, std::int32_t after,
                               std::uint8_t langue = 0);

} // namespace selvako
