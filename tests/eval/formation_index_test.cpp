#include <gtest/gtest.h>

#include <random>

#include "eval/breakthrough_catalogue.h"
#include "eval/formation_index.h"

namespace selvako {
namespace {

bool in_set(const FormationSet& set, std::size_t i) {
    return i < 64 ? (set.low >> i) & 1 : (set.high >> (i - 64)) & 1;
}

// Boards drawn so that many formations come close: each square empty, a man
// or a king of either colour, men far more often than kings.
BoardArray random_board(std::mt19937& rng) {
    static constexpr std::uint8_t CODES[] = {EMPTY,     EMPTY,     WHITE_MAN,  WHITE_MAN,
                                             BLACK_MAN, BLACK_MAN, WHITE_KING, BLACK_KING};
    BoardArray board = empty_board();
    for (int s = 1; s <= NUM_SQUARES; ++s) board[s] = CODES[rng() % 8];
    return board;
}

TEST(FormationIndex, AgreesWithTheFormationsOneByOne) {
    // The breakthrough catalogue and its mirror: 146 formations would not
    // fit, so the first 64 white and the first 64 black ones, which fill both
    // halves of a set and name every kind of condition (W, B, E, O, w, b).
    static constexpr auto CATALOGUE = [] {
        std::array<Formation, 128> out{};
        const auto white = compile_formations(BREAKTHROUGH_TEXT);
        const auto black = mirror_formations(BREAKTHROUGH_TEXT);
        for (std::size_t i = 0; i < 64; ++i) {
            out[i] = white[i];
            out[64 + i] = black[i];
        }
        return out;
    }();
    static constexpr auto INDEX = make_formation_index(CATALOGUE);

    std::mt19937 rng(5);
    int matched = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        const BoardArray board = random_board(rng);
        const BoardMasks masks = board_masks(board);
        const FormationSet found = matching_formations(INDEX, board);
        // The count that rules a board out before the lookups never rules out a match.
        if (!may_match(INDEX, masks)) {
            ASSERT_EQ(found.low | found.high, 0u) << "trial " << trial;
        }
        for (std::size_t i = 0; i < CATALOGUE.size(); ++i) {
            const bool expected = squares_match(CATALOGUE[i], masks);
            ASSERT_EQ(in_set(found, i), expected) << "formation " << i << " trial " << trial;
            matched += expected;
        }
    }
    // Random boards match some formations in both halves, or the test proves little.
    EXPECT_GT(matched, 20);
}

// Each formation on a board built to match it exactly is found, and breaking
// any one of its squares loses it.
TEST(FormationIndex, FindsEachFormationOnItsOwnBoardAndLosesItWhenASquareChanges) {
    static constexpr auto WHITE = compile_formations(BREAKTHROUGH_TEXT);
    static constexpr auto INDEX = make_formation_index(WHITE);
    for (std::size_t i = 0; i < WHITE.size(); ++i) {
        const Formation& f = WHITE[i];
        BoardArray board = empty_board();
        for (int s = 1; s <= NUM_SQUARES; ++s) {
            const std::uint32_t bit = std::uint32_t{1} << (s - 1);
            // A square can be asked to be occupied and to hold a man.
            if (f.occupied & bit) board[s] = WHITE_KING;
            if (f.white_men & bit) board[s] = WHITE_MAN;
            if (f.black_men & bit) board[s] = BLACK_MAN;
        }
        ASSERT_TRUE(in_set(matching_formations(INDEX, board), i)) << "formation " << i;
        for (int s = 1; s <= NUM_SQUARES; ++s) {
            const std::uint32_t bit = std::uint32_t{1} << (s - 1);
            BoardArray broken = board;
            if (f.white_men & bit)
                broken[s] = BLACK_MAN;
            else if (f.black_men & bit)
                broken[s] = WHITE_MAN;
            else if (f.occupied & bit)
                broken[s] = EMPTY;
            else if (f.no_white_man & bit)
                broken[s] = WHITE_MAN;
            else if (f.empty & bit)
                broken[s] = BLACK_KING;
            else
                continue;
            EXPECT_FALSE(in_set(matching_formations(INDEX, broken), i))
                << "formation " << i << " square " << s;
        }
    }
}

TEST(FormationIndex, SumsTheAmountsOfTheFormationsInASet) {
    std::array<std::int32_t, 128> amounts{};
    for (std::size_t i = 0; i < amounts.size(); ++i) amounts[i] = static_cast<std::int32_t>(i) - 60;
    FormationSet set;
    set.add(0);
    set.add(63);
    set.add(64);
    set.add(127);
    EXPECT_EQ(sum_over(set, amounts), -60 + 3 + 4 + 67);
    EXPECT_EQ(sum_over(FormationSet{}, amounts), 0);
}

} // namespace
} // namespace selvako
