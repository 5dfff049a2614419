#include <gtest/gtest.h>

#include "engine/bench.h"
#include "engine/move_generation.h"
#include "search_harness.h"

namespace selvako {
namespace {

TEST(Bench, EveryPositionIsPlayable) {
    EngineState st;
    for (const char* fen : BENCH_POSITIONS) {
        const auto parsed = parse_fen(fen);
        ASSERT_TRUE(parsed.position) << fen << ": " << parsed.error;
        st.set_position(parsed.position->board);
        EXPECT_GT(generate_root_moves(st, parsed.position->side_to_move), 0) << fen;
    }
}

// Leaked state (killers, root scores, table entries, counters) would show as
// a different count on the second run or after the tables are cleared.
TEST(Bench, SignatureRepeats) {
    testing::SearchHarness first;
    const std::uint64_t nodes = run_bench(first.search, first.st, first.table, 5).nodes;
    EXPECT_GT(nodes, 0u);
    EXPECT_EQ(run_bench(first.search, first.st, first.table, 5).nodes, nodes);
    first.table.clear_table();
    first.st.reset_killers_and_alternatives();
    EXPECT_EQ(run_bench(first.search, first.st, first.table, 5).nodes, nodes);
    testing::SearchHarness fresh;
    EXPECT_EQ(run_bench(fresh.search, fresh.st, fresh.table, 5).nodes, nodes);
}

} // namespace
} // namespace selvako
