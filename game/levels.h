#pragma once
// The playing levels of the Niveau menu: what each item gives the search
// (`budget_recherche`, `temps_alloue`), the minutes shown in the "30 coups en"
// field, and the `niveau` byte that game files keep.

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace selvako {

struct LevelParameters {
    // Seconds planned for the first 60 plies; 1..5 are fixed search depths.
    std::int32_t budget_recherche = 0;
    // Seconds: the search's hard limit and the clock allowance of a rated match.
    std::int32_t temps_alloue = 0;
    // What the `Nbminutes` field shows.
    std::int32_t minutes = 0;
    std::uint8_t niveau = 0;

    friend bool operator==(const LevelParameters&, const LevelParameters&) = default;
};

struct LevelItem {
    std::string_view label; // French caption of the menu item
    LevelParameters parameters;
    bool in_special_menu; // under "X : Spécial" rather than directly in Niveau
};

inline constexpr std::uint8_t NIVEAU_AUTRE = 18;

// The nine named levels, then the seven timed ones of "X : Spécial", in menu
// order. Levels 5 to 8 and the first four timed levels share their numbers:
// the allowance is the nominal time less 2 seconds, the budget a little below.
inline constexpr std::array<LevelItem, 16> LEVEL_ITEMS{{
    {"0 : Néophyte", {5, 58, 1, 0}, false},
    {"1 : Débutant", {2, 58, 1, 1}, false},
    {"2 : Amateur", {5, 158, 1, 2}, false},
    {"3 : Promotion", {6, 358, 1, 3}, false},
    {"4 : Honneur", {10, 600, 1, 4}, false},
    {"5 : Excellence", {160, 178, 3, 5}, false},
    {"6 : Maître", {270, 298, 5, 6}, false},
    {"7 : Grand Maître", {540, 598, 10, 7}, false},
    {"8 : Grand Maître International", {1680, 1798, 30, 8}, false},
    {"1 : 30 coups en 3 mn", {160, 178, 3, 11}, true},
    {"2 : 30 coups en 5 mn", {270, 298, 5, 12}, true},
    {"3 : 30 coups en 10 mn", {540, 598, 10, 13}, true},
    {"4 : 30 coups en 30 mn", {1680, 1798, 30, 14}, true},
    {"5 : 30 coups en 1 h", {3360, 3598, 60, 15}, true},
    {"6 : 30 coups en 2 h", {6700, 7198, 120, 16}, true},
    {"7 : long, long", {320000, 319998, 500, 17}, true},
}};

inline constexpr std::string_view AUTRE_LABEL = "Autre";

// The most minutes "Autre" takes: minutes × 60 must fit in a 32-bit clock.
inline constexpr std::int32_t MAX_AUTRE_MINUTES = std::numeric_limits<std::int32_t>::max() / 60;

// The level the "Autre" panel sets for a number of minutes, or nothing when
// the number is not accepted (0 or less, or too large for the clocks' 32 bits).
std::optional<LevelParameters> autre_level(std::int32_t minutes);

// The `Nbminutes` field as the panel reads it: an integer, surrounding spaces
// allowed; anything else (empty, letters, out of range) reads as 0.
std::int32_t read_minutes_field(std::string_view text);

// The parameters behind a `niveau` byte, as when a game file is opened; for
// "Autre" the minutes come from the file too. Nothing for an unknown byte.
std::optional<LevelParameters> level_for_niveau(std::uint8_t niveau, std::int32_t minutes_autre);

} // namespace selvako
