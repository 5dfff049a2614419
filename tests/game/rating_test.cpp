#include <gtest/gtest.h>

#include "game/rating.h"

namespace selvako {
namespace {

TEST(Rating, WorkedExamples) {
    EXPECT_EQ(new_ratings({1500, 1500}, Outcome::white_won), (Ratings{1505, 1495}));
    // f = 25, then 31 and 38, plus 5.
    EXPECT_EQ(new_ratings({1600, 2000}, Outcome::white_won), (Ratings{1643, 1957}));
    // f = 16, then 12, 9 and 7, plus 5.
    EXPECT_EQ(new_ratings({1600, 2000}, Outcome::black_won), (Ratings{1588, 2012}));
    EXPECT_EQ(new_ratings({1600, 2000}, Outcome::draw), (Ratings{1640, 1960}));
}

TEST(Rating, DivisionsTruncateTowardZero) {
    // A gap of 405: a tenth of it is 40 either way, not 41 for the one below.
    EXPECT_EQ(new_ratings({1595, 2000}, Outcome::draw), (Ratings{1635, 1960}));
    // Equal ratings win and lose exactly 5 whichever colour wins.
    EXPECT_EQ(new_ratings({1800, 1800}, Outcome::black_won), (Ratings{1795, 1805}));
    EXPECT_EQ(new_ratings({1600, 2000}, Outcome::none), (Ratings{1600, 2000}));
}

TEST(Rating, BrokenRatingsNeitherCrashNorWrap) {
    // A rating line of 0 in the players' file must not divide by zero.
    const Ratings r = new_ratings({1500, 0}, Outcome::black_won);
    EXPECT_LT(r.blanc, 1500);
    EXPECT_GT(r.noir, 0);
    EXPECT_EQ(new_ratings({0, 1500}, Outcome::black_won), (Ratings{-5, 1505}));
}

TEST(Rating, ChangeLine) {
    EXPECT_EQ(rating_change_line("Selvako", 2000, 1957), "Selvako passe de 2000 à 1957");
    EXPECT_EQ(rating_change_line("Mister X", 950, 1005), "Mister X passe de  950 à 1005");
}

} // namespace
} // namespace selvako
