#include <gtest/gtest.h>

#include "game/levels.h"

namespace selvako {
namespace {

TEST(Levels, EachMenuItemSetsItsParameters) {
    struct Expected {
        std::string_view label;
        LevelParameters parameters;
        bool special;
    };
    const Expected expected[] = {
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
    };
    ASSERT_EQ(std::size(expected), LEVEL_ITEMS.size());
    for (std::size_t i = 0; i < LEVEL_ITEMS.size(); ++i) {
        SCOPED_TRACE(expected[i].label);
        EXPECT_EQ(LEVEL_ITEMS[i].label, expected[i].label);
        EXPECT_EQ(LEVEL_ITEMS[i].parameters, expected[i].parameters);
        EXPECT_EQ(LEVEL_ITEMS[i].in_special_menu, expected[i].special);
        // A game file that kept the niveau byte gets the same level back.
        EXPECT_EQ(level_for_niveau(expected[i].parameters.niveau, 0), expected[i].parameters);
    }
}

TEST(Levels, UnknownNiveauHasNoLevel) {
    EXPECT_FALSE(level_for_niveau(9, 7));
    EXPECT_FALSE(level_for_niveau(10, 7));
    EXPECT_FALSE(level_for_niveau(19, 7));
}

TEST(Autre, MinutesGiveBudgetAndAllowance) {
    EXPECT_EQ(autre_level(7), (LevelParameters{385, 418, 7, 18}));
    EXPECT_EQ(autre_level(1), (LevelParameters{55, 58, 1, 18}));
    EXPECT_EQ(level_for_niveau(NIVEAU_AUTRE, 7), autre_level(7));
}

TEST(Autre, RejectedValuesKeepThePanelOpen) {
    EXPECT_FALSE(autre_level(0));
    EXPECT_FALSE(autre_level(-5));
    // minutes × 60 would no longer fit a 32-bit clock.
    EXPECT_FALSE(autre_level(35791395));
    EXPECT_TRUE(autre_level(35791394));
    EXPECT_FALSE(level_for_niveau(NIVEAU_AUTRE, 0));
}

TEST(Autre, FieldReading) {
    EXPECT_EQ(read_minutes_field("7"), 7);
    EXPECT_EQ(read_minutes_field(" 12 "), 12);
    EXPECT_EQ(read_minutes_field("+3"), 3);
    EXPECT_EQ(read_minutes_field("-4"), -4);
    // Non-numeric text reads as 0, which the panel refuses.
    EXPECT_EQ(read_minutes_field(""), 0);
    EXPECT_EQ(read_minutes_field("   "), 0);
    EXPECT_EQ(read_minutes_field("abc"), 0);
    EXPECT_EQ(read_minutes_field("7 mn"), 0);
    EXPECT_EQ(read_minutes_field("1.5"), 0);
    EXPECT_EQ(read_minutes_field("99999999999"), 0);
}

} // namespace
} // namespace selvako
