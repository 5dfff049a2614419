#include "game/rating.h"

#include "game/end_texts.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace selvako {

namespace {

// Ratings come from a text file the user can edit; a zero or negative one
// must not divide by zero, and a huge one must not overflow.
std::int64_t as_divisor(std::int64_t rating) {
    return std::max<std::int64_t>(rating, 1);
}

std::int32_t saturate(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The winner's gain: (|gap| × loser div winner) div 20, scaled by loser div
// winner `rounds` more times, each step truncated, then 5 added.
std::int64_t winner_gain(std::int64_t winner, std::int64_t loser, int rounds) {
    const std::int64_t d = as_divisor(winner);
    // Held within 32 bits at each step so that the next product fits in 64.
    std::int64_t f = saturate(std::llabs(winner - loser) * loser / d / 20);
    for (int i = 0; i < rounds; ++i) f = saturate(f * loser / d);
    return f + 5;
}

} // namespace

Ratings new_ratings(Ratings before, Outcome outcome) {
    const std::int64_t w = before.blanc;
    const std::int64_t b = before.noir;
    switch (outcome) {
    case Outcome::black_won: {
        const std::int64_t f = winner_gain(b, w, 3);
        return {saturate(w - f), saturate(b + f)};
    }
    case Outcome::white_won: {
        const std::int64_t f = winner_gain(w, b, 2);
        return {saturate(w + f), saturate(b - f)};
    }
    case Outcome::draw:
        return {saturate(w - (w - b) / 10), saturate(b - (b - w) / 10)};
    case Outcome::none:
        break;
    }
    return before;
}

std::string rating_change_line(std::string_view name, std::int32_t before, std::int32_t after,
                               std::uint8_t langue) {
    // The format comes from a fixed table, never from the user.
    const std::string format(end_text(RATING_CHANGE, langue));
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, format.c_str(), static_cast<int>(before),
                  static_cast<int>(after));
    return std::string(name) + numbers;
}

} // namespace selvako
