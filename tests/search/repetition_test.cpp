// Positions brought back: the game's tail rebuilt from the record, and the
// score a move that brings a position back gets, ahead and behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "engine/fen.h"
#include "engine/hash_keys.h"
#include "search/engine.h"
#include "search/game_repetitions.h"
#include "search/time_budget.h"
#include "tests/search/search_request.h"
#include "frozen_clock.h"

namespace selvako {
namespace {

std::vector<PlayedMove> plies(const std::string& text) {
    std::vector<PlayedMove> played;
    std::istringstream words(text);
    std::string word;
    while (words >> word)
        played.push_back({parse_square(word.substr(0, 2)), parse_square(word.substr(3, 2))});
    return played;
}

struct TailCase {
    const char* name;
    const char* fen; // the position after the plies
    const char* plies;
    std::size_t positions; // in the rebuilt tail, the board's own included
};

class ReversibleTail : public ::testing::TestWithParam<TailCase> {};

TEST_P(ReversibleTail, StopsAtThePlyThatCannotBeUndone) {
    const TailCase& c = GetParam();
    const auto parsed = parse_fen(c.fen);
    ASSERT_TRUE(parsed.position) << parsed.error;
    const HashKeys keys = default_hash_keys();
    const auto played = plies(c.plies);
    const auto tail =
        reversible_game_tail(parsed.position->board, played, parsed.position->side_to_move, keys);
    EXPECT_EQ(tail.size(), c.positions);
    const PositionKeys now = position_keys(parsed.position->board, keys);
    EXPECT_EQ(tail.back(), (PositionKey{now.index, now.check}));
}

INSTANTIATE_TEST_SUITE_P(
    Record, ReversibleTail,
    ::testing::Values(
        TailCase{"KingsOnly", "W:WKc1:BKf8", "c1-d2 f8-e7 d2-c1 e7-f8", 5},
        TailCase{"ManMoveEndsIt", "W:WKc1,h2:BKf8", "g1-h2 f8-e7 d2-c1 e7-f8", 4},
        // The king on b8 may have been a man crowned there.
        TailCase{"PromotionRowEndsIt", "W:WKb8:BKg3", "c7-b8 h2-g3", 2},
        // Before b2-a1 White could take c3: that ply was a capture.
        TailCase{"TakeAvailableEndsIt", "W:WKa1:BKg7,c3", "b2-a1 h8-g7", 2},
        // A king is not where the record says it went.
        TailCase{"RecordNotOnBoardEndsIt", "W:WKc1:BKf8", "d2-e3 f8-e7", 1}),
    [](const ::testing::TestParamInfo<TailCase>& tail_case) {
        return std::string(tail_case.param.name);
    });

TEST(ReversibleTail, TheBoardComesBackAfterAShuffle) {
    const auto parsed = parse_fen("W:WKc1:BKf8");
    const auto tail = reversible_game_tail(parsed.position->board, plies("c1-d2 f8-e7 d2-c1 e7-f8"),
                                           WHITE, default_hash_keys());
    ASSERT_EQ(tail.size(), 5u);
    EXPECT_EQ(tail.front(), tail.back());
    EXPECT_NE(tail[1], tail.back());
}

using test::FrozenClock;

// The value the root list gives c1-d2, which brings back the position after
// the game's first ply, once the kings have gone there and back.
int value_of_going_back(const char* fen) {
    FrozenClock clock;
    Engine engine(clock, 1);
    SearchRequest request = testing::request_for(fen, 4);
    request.historique = plies("c1-d2 f8-e7 d2-c1 e7-f8");
    request.num_demi_coup = 4;
    std::vector<RootMoveValue> values;
    engine.on_progress = [&](const SearchProgress& progress) { values = progress.root_moves; };
    engine.search(request);
    const auto found = std::find_if(values.begin(), values.end(), [](const RootMoveValue& v) {
        return v.move.from == parse_square("c1") && v.move.to == parse_square("d2");
    });
    EXPECT_NE(found, values.end());
    return found == values.end() ? 1 : found->value;
}

TEST(PlayOn, AheadTheRepetitionScoresBelowTheDraw) {
    EXPECT_LT(value_of_going_back("W:WKc1,a1,g1,h2:BKf8,b8"), 0);
}

TEST(PlayOn, BehindTheRepetitionIsADraw) {
    EXPECT_EQ(value_of_going_back("W:WKc1,h2:BKf8,b8,d8,f6"), 0);
}

} // namespace
} // namespace selvako
