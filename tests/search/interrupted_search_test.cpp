// A search stopped inside an iteration answers with the move its own
// principal variation starts with: the best root move that a finished root
// search produced, or the previous iteration's when none of this one's had
// finished yet.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/engine.h"
#include "search/time_budget.h"
#include "tests/search/search_request.h"
#include "frozen_clock.h"

namespace selvako {
namespace {

using testing::request_for;

using test::FrozenClock;

bool same_move(const Move& a, const Move& b) {
    return a.from == b.from && a.to == b.to;
}

TEST(InterruptedSearch, AnswersWithTheLastReportedBestMove) {
    FrozenClock clock;
    Engine engine(clock, 1);
    ASSERT_TRUE(engine.load({SELVAKO_TEST_DATA_DIR, {}}).empty());

    const std::vector<std::string> positions = {
        // After e3-f4 d6-e5 f4xd6 c7xe5 a3-b4 b6-a5 d2-e3 d8-c7 c1-d2 f6-g5
        // c3-d4 e5xc3 b2xd4 a5xe5: the search stopped inside an iteration
        // answered g3-h4 here, a move that loses a man.
        "W:We3,g3,d2,f2,h2,a1,e1,g1:Bb8,f8,h8,a7,c7,e7,g7,h6,e5,g5",
        "W:Wb4,a3,c3,b2,d2,h2,c1,e1,g1:Bb8,d8,f8,a7,c7,e7,g7,b6,h4",
        "B:Wa5,g3,b2,d2,f2,h2,c1,e1,g1:Bb8,d8,f8,a7,e7,g7,f6,h6,g5",
        "W:Wf4,c3,e3,b2,f2,h2,a1,e1:Bb8,h8,a7,d6,f6,h6,g5,h4",
    };
    int stopped_inside = 0;
    for (const std::string& fen : positions) {
        for (int stop_at = 1; stop_at <= 30; ++stop_at) {
            int polls = 0;
            engine.on_poll = [&] {
                if (++polls == stop_at) engine.stop();
            };
            Move reported{};
            bool any_report = false;
            engine.on_progress = [&](const SearchProgress& p) {
                ASSERT_FALSE(p.pv.empty());
                reported = p.pv.front();
                any_report = true;
            };
            const SearchResult result = engine.search(request_for(fen, 30));
            SCOPED_TRACE(fen + ", stopped at poll " + std::to_string(stop_at));
            ASSERT_EQ(result.answer, SearchAnswer::searched);
            ASSERT_TRUE(any_report);
            EXPECT_TRUE(same_move(result.move, reported))
                << move_text(result.move) << " played, " << move_text(reported) << " reported";
            ASSERT_FALSE(result.pv.empty());
            EXPECT_TRUE(same_move(result.move, result.pv.front()));
            // The stops are meant to fall inside iterations, after several.
            stopped_inside += result.depth > 3;
        }
    }
    EXPECT_GT(stopped_inside, 90);
}

} // namespace
} // namespace selvako
