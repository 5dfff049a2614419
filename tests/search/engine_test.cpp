// The engine as its callers drive it: loading from the data and user folders,
// the kinds of answer, progress as numbers, and stopping from the poll.

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "engine/fen.h"
#include "search/engine.h"
#include "search/engine_tables.h"
#include "search/time_budget.h"
#include "tests/engine/temp_folder.h"
#include "tests/search/search_request.h"

namespace selvako {
namespace {

using testing::request_for;

namespace fs = std::filesystem;

class FrozenClock final : public SearchClock {
  public:
    std::int32_t now_seconds() override { return 0; }
};

struct LoadedEngine {
    LoadedEngine() { EXPECT_TRUE(engine.load({SELVAKO_TEST_DATA_DIR, {}}).empty()); }
    FrozenClock clock;
    Engine engine{clock, 1};
};

TEST(Engine, MissingFilesAreReportedOnceEach) {
    testing::TempFolder empty;
    FrozenClock clock;
    Engine engine(clock, 1);
    EXPECT_EQ(
        engine.load({empty.path(), {}}),
        (std::vector<std::string>{"hashkey33.dat is missing or short; the built-in keys are used",
                                  "defaut.par cannot be read; every parameter is 0"}));
    EXPECT_EQ(engine.tables().eval.parameters, EvalParameters{});
    // Still plays.
    const SearchResult result = engine.search(request_for("W:W1-12:B21-32", 3));
    EXPECT_EQ(result.answer, SearchAnswer::searched);
    EXPECT_EQ(result.depth, 3);
}

TEST(Engine, UserCopyOfTheParametersIsPreferred) {
    testing::TempFolder user;
    fs::create_directory(user.path() / "Parametres");
    std::ofstream(user.path() / "Parametres" / "defaut.par", std::ios::binary)
        << std::string(PARAMETER_FILE_SIZE, '\x07');
    FrozenClock clock;
    Engine engine(clock, 1);
    EXPECT_TRUE(engine.load({SELVAKO_TEST_DATA_DIR, user.path()}).empty());
    EXPECT_EQ(engine.tables().eval.parameters.t1, 7);

    Engine without_copy(clock, 1);
    EXPECT_TRUE(without_copy.load({SELVAKO_TEST_DATA_DIR, {}}).empty());
    EXPECT_NE(without_copy.tables().eval.parameters.t1, 7);
}

// The tables are read by load, before any search needs them.
TEST(Engine, EndgameTablesAreReadAtLoad) {
    LoadedEngine s;
    EXPECT_TRUE(s.engine.tables().databases.loaded);
    for (const auto& table : s.engine.tables().databases.tables) EXPECT_FALSE(table.empty());
}

TEST(Engine, AnswersWithoutASearch) {
    LoadedEngine s;
    const SearchResult none = s.engine.search(request_for("W:Wa1:B", 5));
    EXPECT_EQ(none.answer, SearchAnswer::no_move);
    EXPECT_TRUE(none.root_moves.empty());

    const SearchResult single = s.engine.search(request_for("W:Wa1:Bh8", 5));
    EXPECT_EQ(single.answer, SearchAnswer::single_move);
    EXPECT_EQ(single.index, 0);
    EXPECT_EQ(move_text(single.move), "a1-b2");
    EXPECT_EQ(single.root_moves.size(), 1u);
    EXPECT_EQ(single.nodes, 0u);
}

TEST(Engine, ProgressAndResultAgree) {
    LoadedEngine s;
    std::vector<SearchProgress> reports;
    s.engine.on_progress = [&](const SearchProgress& p) { reports.push_back(p); };
    SearchRequest request = request_for("W:W1-12:B21-32", 6);
    request.num_demi_coup = 0;
    const SearchResult result = s.engine.search(request);
    ASSERT_EQ(result.answer, SearchAnswer::searched);
    EXPECT_EQ(result.depth, 6);
    EXPECT_EQ(result.root_moves.size(), 7u);
    EXPECT_EQ(result.move.from, result.root_moves[static_cast<std::size_t>(result.index)].from);
    ASSERT_FALSE(result.pv.empty());
    EXPECT_EQ(result.pv.front().from, result.move.from);
    EXPECT_EQ(result.pv.front().to, result.move.to);

    ASSERT_FALSE(reports.empty());
    int depth = 0;
    for (const SearchProgress& p : reports) {
        EXPECT_GE(p.depth, depth);
        depth = p.depth;
        EXPECT_EQ(p.seconds, 0); // not pondering: the time is reported
        EXPECT_LE(p.root_moves.size(), 7u);
    }
    // The last report is the last root move's, once the depth is complete.
    EXPECT_EQ(reports.back().score, result.score);
    EXPECT_EQ(reports.back().root_moves.size(), 7u);
}

TEST(Engine, PonderingReportsNoTime) {
    LoadedEngine s;
    std::vector<SearchProgress> reports;
    s.engine.on_progress = [&](const SearchProgress& p) { reports.push_back(p); };
    SearchRequest request = request_for("W:W1-12:B21-32", 4);
    request.limits.ponder = true;
    s.engine.search(request);
    ASSERT_EQ(reports.size(), 4u); // once per iteration
    for (const SearchProgress& p : reports) EXPECT_FALSE(p.seconds);
}

TEST(Engine, StopFromThePollKeepsTheBestMoveSoFar) {
    LoadedEngine s;
    int polls = 0;
    bool searching_seen = false;
    s.engine.on_poll = [&] {
        searching_seen = s.engine.searching();
        if (++polls == 4) s.engine.stop();
    };
    const SearchResult result = s.engine.search(request_for("W:W1-12:B21-32", 30));
    EXPECT_TRUE(searching_seen);
    EXPECT_FALSE(s.engine.searching());
    EXPECT_EQ(result.answer, SearchAnswer::searched);
    EXPECT_LT(result.depth, 30);
    EXPECT_LT(static_cast<std::size_t>(result.index), result.root_moves.size());
}

TEST(Engine, StopAndDiscardThrowsTheResultAway) {
    LoadedEngine s;
    int polls = 0;
    s.engine.on_poll = [&] {
        if (++polls == 4) s.engine.stop_and_discard();
    };
    const SearchResult discarded = s.engine.search(request_for("W:W1-12:B21-32", 30));
    EXPECT_EQ(discarded.answer, SearchAnswer::discarded);
    EXPECT_EQ(discarded.score, 0);

    // The next search starts with the flags clear.
    s.engine.on_poll = {};
    EXPECT_EQ(s.engine.search(request_for("W:W1-12:B21-32", 3)).answer, SearchAnswer::searched);
}

TEST(Engine, RepertoireAnswersFromTheUsersCopy) {
    testing::TempFolder user;
    // After 22-18 (c3-d4), Black answers 9-14 (b6-c5).
    std::ofstream(user.path() / BLACK_REPERTOIRE_FILE, std::ios::binary) << "22-18  9-14 \r\n";
    FrozenClock clock;
    Engine engine(clock, 1);
    EXPECT_TRUE(engine.load({SELVAKO_TEST_DATA_DIR, user.path()}).empty());
    SearchRequest request = request_for("B:Wd4,a3,e3,g3,b2,d2,f2,h2,a1,c1,e1,g1:B21-32", 5);
    request.limits.repertoire = true;
    request.num_demi_coup = 1;
    request.historique = {{22, 18}};
    const SearchResult result = engine.search(request);
    EXPECT_EQ(result.answer, SearchAnswer::repertoire);
    EXPECT_EQ(move_text(result.move), "b6-c5");
    EXPECT_EQ(result.nodes, 0u);
}

} // namespace
} // namespace selvako
