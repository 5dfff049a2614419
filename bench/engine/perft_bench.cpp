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
        parse_fen("W:Wb4,a3,c3,e3,g3,d2,f2,h2,e1,g1:Ba7,c7,e7,b6,d6,f6,a5,c5,e5").position->board);
    st.allocate_move_lists();
    st.ordering_enabled = false;
    for (auto _ : state) benchmark::DoNotOptimize(generate_moves(st, WHITE));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GenerateMiddleGame);

} // namespace
} // namespace selvako
