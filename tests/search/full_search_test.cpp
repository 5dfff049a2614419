// The search with the full evaluation, the built parameters and the endgame
// tables, as the program runs it.

#include <gtest/gtest.h>

#include "engine/bench.h"
#include "engine/fen.h"
#include "eval/search_evaluation.h"
#include "tests/engine/turned_position.h"

namespace selvako {
namespace {

class FrozenClock final : public SearchClock {
  public:
    std::int32_t now_seconds() override { return 0; }
};

struct FullSearch {
    FullSearch() : search(st, table, learned, evaluation, clock, 1) {
        EXPECT_TRUE(
            load_parameter_file(eval.parameters, eval.parameter_image,
                                std::filesystem::path(SELVAKO_TEST_DATA_DIR) / "defaut.par"));
        search.databases = &databases;
        search.database_folder = SELVAKO_TEST_DATA_DIR;
        search.game.repertoire_enabled = false;
        search.game.budget_recherche = UNLIMITED_BUDGET;
        search.game.temps_alloue = UNLIMITED_SECONDS;
    }
    void set(const std::string& fen) {
        const auto parsed = parse_fen(fen);
        ASSERT_TRUE(parsed.position) << parsed.error;
        st.set_position(parsed.position->board);
        search.game.trait = static_cast<std::uint8_t>(parsed.position->side_to_move);
    }

    EngineState st;
    TranspositionTable table;
    LearnedTable learned;
    EndgameTables databases;
    EvalState eval;
    SearchEvaluation evaluation{eval};
    FrozenClock clock;
    Search search;
};

// Whatever a search leaves behind (killers, root scores, the evaluation's
// variant, table entries) must not change the next bench.
TEST(FullSearch, BenchSignatureRepeats) {
    FullSearch first;
    const std::uint64_t nodes = run_bench(first.search, first.st, first.table, 6).nodes;
    EXPECT_EQ(run_bench(first.search, first.st, first.table, 6).nodes, nodes);
    first.table.clear_table();
    first.st.reset_killers_and_alternatives();
    EXPECT_EQ(run_bench(first.search, first.st, first.table, 6).nodes, nodes);
    FullSearch fresh;
    EXPECT_EQ(run_bench(fresh.search, fresh.st, fresh.table, 6).nodes, nodes);
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
            FullSearch s;
            s.set(turned ? testing::turned_fen(fen) : fen);
            s.search.depth_limit = 8;
            const int chosen = s.search.choose_move();
            EXPECT_EQ(move_text(s.st.list(1)[chosen]), turned ? testing::turned_move(move) : move)
                << fen << (turned ? " turned" : "");
            EXPECT_GT(s.search.previous_score, 400) << fen;
        }
    }
}

TEST(FullSearch, RunningTermsComeBackAfterTheSearch) {
    FullSearch s;
    s.set("W:W17,18,21,22,23,25,26,27,29,30,31:B1,2,3,5,6,7,9,10,11,13,14");
    s.search.depth_limit = 7;
    s.search.choose_move();
    EXPECT_EQ(s.st.running_terms, running_terms_from_scratch(s.eval.term_tables, s.st.board));
}

} // namespace
} // namespace selvako
