#include <gtest/gtest.h>

#include <cstdint>

#include "engine/move_generation.h"
#include "engine/perft.h"
#include "tests/engine/rules_fixture.h"

namespace selvako {
namespace {

// Published counts for the start position under these rules, with
// transposed captures counted as the generator stores them.
constexpr std::uint64_t START_PERFT[] = {1, 7, 49, 302, 1469, 7473, 37628, 187302, 907836};

TEST(Perft, StartPositionToDepthSeven) {
    EngineState st;
    for (int depth = 1; depth <= 7; ++depth)
        EXPECT_EQ(perft(st, WHITE, depth, false), START_PERFT[depth]) << "depth " << depth;
    EXPECT_EQ(st.board, start_position()) << "perft leaves the board as it found it";
}

TEST(Perft, DivideSumsToTheTotal) {
    EngineState st;
    std::uint64_t total = 0;
    const auto entries = perft_divide(st, WHITE, 5, false);
    EXPECT_EQ(entries.size(), 7u);
    for (const auto& e : entries) total += e.nodes;
    EXPECT_EQ(total, START_PERFT[5]);
}

TEST(Perft, UniqueCountsTransposedCapturesOnce) {
    const Position pos = testing::position_from("W:WKc3:Bd4,d6,b6,b4,g7");
    EngineState st;
    st.set_position(pos.board);
    EXPECT_EQ(perft(st, WHITE, 1, false), 7u);
    EXPECT_EQ(perft(st, WHITE, 1, true), 6u);
}

TEST(PerftSlow, StartPositionDepthEight) {
    EngineState st;
    EXPECT_EQ(perft(st, WHITE, 8, false), START_PERFT[8]);
    EXPECT_EQ(perft(st, WHITE, 8, true), 907830u);
}

} // namespace
} // namespace selvako
