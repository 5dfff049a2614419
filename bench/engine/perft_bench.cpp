// Leaf nodes per second of perft from the start position, and the speed of
// the full generator on a middle-game position with captures about.

#include <benchmark/benchmark.h>

#include "engine/fen.h"
#include "engine/move_generation.h"
#include "engine/perft.h"

namespace selvako {
namespace {

void BM_PerftStart(benchmark::State& state) {
    EngineState st;
    const int depth = static_cast<int>(state.range(0));
    std::uint64_t nodes = 0;
    for (auto _ : state) nodes += perft(st, WHITE, depth, false);
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PerftStart)->Arg(8)->Arg(9)->Unit(benchmark::kMillisecond);

void BM_GenerateMiddleGame(benchmark::State& state) {
    EngineState st;
    st.set_position(
        parse_fen("W:W17,21,22,23,24,26,27,28,31,32:B5,6,7,9,10,11,13,14,15").position->board);
    st.allocate_move_lists();
    st.ordering_enabled = false;
    for (auto _ : state) benchmark::DoNotOptimize(generate_moves(st, WHITE));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GenerateMiddleGame);

} // namespace
} // namespace selvako
