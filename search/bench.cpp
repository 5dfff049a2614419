#include "search/bench.h"

#include <chrono>

#include "engine/fen.h"
#include "search/time_budget.h"

namespace selvako {

BenchResult run_bench(Engine& engine, int depth,
                      const std::function<void(int, std::uint64_t)>& on_position) {
    BenchResult result;
    const auto start = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < BENCH_POSITIONS.size(); ++i) {
        const auto parsed = parse_fen(BENCH_POSITIONS[i]);
        if (!parsed.position) continue;
        engine.clear_table();
        SearchRequest request;
        request.board = parsed.position->board;
        request.trait = static_cast<std::uint8_t>(parsed.position->side_to_move);
        request.limits.budget_recherche = UNLIMITED_BUDGET;
        request.limits.temps_alloue = UNLIMITED_SECONDS;
        request.limits.repertoire = false;
        // Searched even with a single legal move, as when thinking ahead.
        request.limits.ponder = true;
        request.limits.depth = depth;
        const std::uint64_t nodes = engine.search(request).nodes;
        result.nodes += nodes;
        if (on_position) on_position(static_cast<int>(i), nodes);
    }
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

} // namespace selvako
