// The search with the full evaluation, the built parameters and the endgame
// tables, as the program runs it.

#include <gtest/gtest.h>

#include "engine/fen.h"
#include "search/bench.h"
#include "search/engine.h"
#include "search/search.h"
#include "search/search_evaluation.h"
#include "tests/engine/turned_position.h"
#include "tests/search/search_request.h"
#include "frozen_clock.h"

namespace selvako {
namespace {

using testing::request_for;

using test::FrozenClock;

// The engine as the program loads it from the built data.
struct FullEngine {
    FullEngine() { EXPECT_TRUE(engine.load({SELVAKO_TEST_DATA_DIR, {}}).empty()); }
    FrozenClock clock;
    Engine engine{clock, 1};
};

// Whatever a search leaves behind (killers, root scores, the evaluation's
// variant, table entries) must not change the next bench.
TEST(FullSearch, BenchSignatureRepeats) {
    FullEngine first;
    const std::uint64_t nodes = run_bench(first.engine, 6).nodes;
    EXPECT_EQ(run_bench(first.engine, 6).nodes, nodes);
    FullEngine fresh;
    EXPECT_EQ(run_bench(fresh.engine, 6).nodes, nodes);
}

TEST(FullSearch, ShotsAreFound) {
    const std::pair<const char*, const char*> shots[] = {
        // f4-e3 d2xf4, f6-e5 f4xd6, e7xg1: two men for a king.
        {"B:Wd4,a3,b2,d2,f2,h2,a1,c1,e1:Bb8,d8,f8,a7,e7,f6,h6,a5,f4", "f4-e3"},
        // c5-d4 e3xc5, g5xe3 f2xd4, f6-g5 h4xf6, g7xe1.
        {"B:Wf4,h4,a3,e3,d2,f2,h2,a1,c1,g1:Bb8,d8,f8,h8,c7,g7,f6,h6,c5,g5", "c5-d4"},
        // g5-f4 g3xe5, f6xf2 e1xg3, c5-d4 c3xe5, d6xh2.
        {"B:Wa5,h4,a3,c3,e3,g3,b2,d2,a1,e1:Bb8,a7,c7,e7,g7,d6,f6,h6,c5,g5", "g5-f4"},
    };
    for (const auto& [fen, move] : shots) {
        for (const bool turned : {false, true}) {
            FullEngine s;
            const SearchResult result =
                s.engine.search(request_for(turned ? testing::turned_fen(fen) : fen, 8));
            EXPECT_EQ(result.answer, SearchAnswer::searched);
            EXPECT_EQ(move_text(result.move), turned ? testing::turned_move(move) : move)
                << fen << (turned ? " turned" : "");
            EXPECT_GT(result.score, 400) << fen;
        }
    }
}

// make_move keeps the running terms through the tree; the search must hand
// back the root's terms, as computed afresh, once it is over.
TEST(FullSearch, RunningTermsComeBackAfterTheSearch) {
    EngineState st;
    TranspositionTable table;
    LearnedTable learned;
    EvalState eval;
    SearchEvaluation evaluation{eval};
    FrozenClock clock;
    Search search(st, table, learned, evaluation, clock, 1);
    ASSERT_TRUE(load_parameter_file(eval.parameters, eval.parameter_image,
                                    std::filesystem::path(SELVAKO_TEST_DATA_DIR) / "defaut.par"));
    const SearchRequest request =
        request_for("W:Wb4,d4,a3,c3,e3,b2,d2,f2,a1,c1,e1:Bb8,d8,f8,a7,c7,e7,b6,d6,f6,a5,c5", 7);
    st.set_position(request.board);
    search.game.trait = request.trait;
    search.game.repertoire_enabled = false;
    search.game.budget_recherche = UNLIMITED_BUDGET;
    search.game.temps_alloue = UNLIMITED_SECONDS;
    search.depth_limit = 7;
    search.choose_move();
    EXPECT_EQ(st.running_terms, running_terms_from_scratch(eval.term_tables, st.board));
}

} // namespace
} // namespace selvako
