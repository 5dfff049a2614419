#include "game/levels.h"

#include <charconv>

namespace selvako {

namespace {

bool is_space(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::optional<LevelParameters> autre_level(std::int32_t minutes) {
    if (minutes <= 0 || minutes > MAX_AUTRE_MINUTES) return std::nullopt;
    return LevelParameters{minutes * 55, minutes * 60 - 2, minutes, NIVEAU_AUTRE};
}

std::int32_t read_minutes_field(std::string_view text) {
    while (!text.empty() && is_space(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_space(text.back())) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return 0;
    return value;
}

std::optional<LevelParameters> level_for_niveau(std::uint8_t niveau, std::int32_t minutes_autre) {
    if (niveau == NIVEAU_AUTRE) return autre_level(minutes_autre);
    for (const LevelItem& item : LEVEL_ITEMS)
        if (item.parameters.niveau == niveau) return item.parameters;
    return std::nullopt;
}

} // namespace selvako
