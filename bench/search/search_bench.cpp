// Nodes per second of the whole search through the engine, as the program
// runs it: full evaluation, built parameters and tables, a cleared table.

#include <benchmark/benchmark.h>

#include "engine/fen.h"
#include "search/engine.h"
#include "search/search_clock.h"
#include "search/time_budget.h"

namespace selvako {
namespace {

void BM_SearchStart(benchmark::State& state) {
    SteadySearchClock clock;
    Engine engine(clock, 1);
    engine.load({SELVAKO_DATA_DIR, {}});
    SearchRequest request;
    request.limits.budget_recherche = UNLIMITED_BUDGET;
    request.limits.temps_alloue = UNLIMITED_SECONDS;
    request.limits.repertoire = false;
    request.limits.depth = static_cast<int>(state.range(0));
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        engine.clear_table();
        nodes += engine.search(request).nodes;
    }
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SearchStart)->Arg(9)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace selvako
