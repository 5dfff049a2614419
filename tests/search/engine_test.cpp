// The engine as its callers drive it: loading from the data and user folders,
// the kinds of answer, progress as numbers, and stopping from the poll.

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

#include "engine/fen.h"
#include "engine/hash_keys.h"
#include "engine/learned_positions.h"
#include "engine/repertoire.h"
#include "search/engine.h"
#include "search/engine_tables.h"
#include "search/time_budget.h"
#include "tests/engine/temp_folder.h"
#include "tests/search/search_request.h"
#include "loaded_engine.h"

namespace selvako {
namespace {

using testing::request_for;

namespace fs = std::filesystem;

using test::FrozenClock;

using test::LoadedEngine;

TEST(Engine, MissingFilesAreReportedOnceEach) {
    testing::TempFolder empty;
    FrozenClock clock;
    Engine engine(clock, 1);
    EXPECT_EQ(engine.load({empty.path(), {}}),
              (std::vector<std::string>{(empty.path() / "hashkey33.dat").string() +
                                            ": no such file; the built-in keys are used",
                                        (empty.path() / "defaut.par").string() +
                                            ": no such file; every parameter is 0"}));
    EXPECT_EQ(engine.tables().eval.parameters, EvalParameters{});
    // Still plays.
    const SearchResult result = engine.search(request_for("W:W1-12:B21-32", 3));
    EXPECT_EQ(result.answer, SearchAnswer::searched);
    EXPECT_EQ(result.depth, 3);
}

// The repertoire is named as it is spelt on disk, whatever spelling the
// program looks for.
TEST(Engine, ARefusedRepertoireIsNamedAsOnDisk) {
    testing::TempFolder user;
    ASSERT_EQ(::mkfifo((user.path() / "ouvert_b.ouv").c_str(), 0600), 0);
    FrozenClock clock;
    Engine engine(clock, 1);
    const std::vector<std::string> problems = engine.load({SELVAKO_TEST_DATA_DIR, user.path()});
    EXPECT_EQ(problems, std::vector<std::string>{(user.path() / "ouvert_b.ouv").string() +
                                                 ": not a regular file; the computer plays "
                                                 "without it"});
}

// Files that are there but cannot be trusted: each said once, and the engine
// plays on with what it has.
TEST(Engine, UntrustworthyFilesAreReportedOnceEach) {
    testing::TempFolder data;
    testing::TempFolder user;
    for (const auto& entry : fs::directory_iterator(SELVAKO_TEST_DATA_DIR))
        if (entry.is_regular_file())
            fs::copy_file(entry.path(), data.path() / entry.path().filename());
    auto write = [](const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    };
    write(data.path() / KEY_FILE_NAME, std::string(KEY_FILE_BYTES, '\0'));
    write(data.path() / "defaut.par", std::string(1000, '\x05'));
    write(data.path() / LEARNED_FILE_NAME, "not learned");
    {
        // Right size, wrong contents: every position a win.
        std::ifstream in(data.path() / "pod.bib", std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(in), {}};
        ASSERT_FALSE(bytes.empty());
        std::fill(bytes.begin(), bytes.end(), '\x03');
        write(data.path() / "pod.bib", bytes);
    }
    write(user.path() / WHITE_REPERTOIRE_FILE, std::string(MAX_REPERTOIRE_BYTES + 1, '\n'));
    ASSERT_EQ(::mkfifo((user.path() / BLACK_REPERTOIRE_FILE).c_str(), 0600), 0);

    FrozenClock clock;
    Engine engine(clock, 1);
    const std::vector<std::string> problems = engine.load({data.path(), user.path()});
    EXPECT_EQ(problems,
              (std::vector<std::string>{
                  "hashkey33.dat has zero or repeated keys; the built-in keys are used",
                  (data.path() / "vako.dat").string() +
                      ": 11 bytes where 1048568 are expected; nothing learned is used",
                  "defaut.par is short (1000 of 1162 bytes); the parameters past its end are 0",
                  (user.path() / "Ouvert_b.ouv").string() + ": larger than 4194304 bytes (" +
                      std::to_string(MAX_REPERTOIRE_BYTES + 1) + "); the computer plays without it",
                  (user.path() / "Ouvert_n.ouv").string() +
                      ": not a regular file; the computer plays without it",
                  (data.path() / "pod.bib").string() +
                      ": corrupt (its contents fail their check); the table is not used"}));
    EXPECT_EQ(engine.tables().eval.parameters.t1, 5);
    EXPECT_TRUE(engine.tables().databases.tables[1].empty());
    EXPECT_FALSE(engine.tables().databases.tables[0].empty());
    EXPECT_TRUE(engine.tables().repertoires.white.empty());
    const SearchResult result = engine.search(request_for("W:W1-12:B21-32", 3));
    EXPECT_EQ(result.answer, SearchAnswer::searched);
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

// A search limited by nodes stops on this count: it must never run ahead of
// the nodes the search has really visited, between iterations above all.
TEST(Engine, NodesSoFarNeverCountsAnIterationTwice) {
    LoadedEngine s;
    std::uint64_t most = 0;
    std::uint64_t after_iterations = 0;
    s.engine.on_poll = [&] { most = std::max(most, s.engine.nodes_so_far()); };
    s.engine.on_progress = [&](const SearchProgress&) {
        after_iterations = std::max(after_iterations, s.engine.nodes_so_far());
    };
    const SearchResult result = s.engine.search(request_for("W:W1-12:B21-32", 8));
    ASSERT_EQ(result.answer, SearchAnswer::searched);
    EXPECT_GT(most, 0u);
    EXPECT_LE(most, result.nodes);
    EXPECT_LE(after_iterations, result.nodes);
    EXPECT_EQ(s.engine.nodes_so_far(), result.nodes);
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

// A clock a second further on at every reading.
class TickingClock final : public SearchClock {
  public:
    std::int32_t now_seconds() override { return ++m_now; }

  private:
    std::int32_t m_now = 1000;
};

TEST(Engine, ClocksAtTheEndsOfTheirRangeStillEndTheSearchOnTime) {
    for (const std::int32_t clock : {INT32_MIN, -1, INT32_MAX - 1, INT32_MAX}) {
        TickingClock ticking;
        Engine engine{ticking, 1};
        ASSERT_TRUE(engine.load({SELVAKO_TEST_DATA_DIR, {}}).empty());
        int polls = 0;
        // A search that never ends on its own is stopped here, and fails.
        engine.on_poll = [&] {
            if (++polls == 5000) engine.stop();
        };
        SearchRequest request = request_for("W:W1-12:B21-32", 0);
        request.limits.depth = 0;
        request.limits.budget_recherche = 160;
        request.limits.temps_alloue = 178;
        request.temps_blanc = clock;
        const SearchResult result = engine.search(request);
        EXPECT_EQ(result.answer, SearchAnswer::searched) << clock;
        EXPECT_LT(polls, 5000) << clock;
    }
}

} // namespace
} // namespace selvako
