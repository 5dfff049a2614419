#include <gtest/gtest.h>

#include "engine/fen.h"
#include "engine/move_generation.h"
#include "search/bench.h"

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

} // namespace
} // namespace selvako
