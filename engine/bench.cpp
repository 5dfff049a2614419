#include "engine/bench.h"

#include <chrono>

#include "engine/fen.h"

namespace selvako {

BenchResult run_bench(Search& search, EngineState& st, TranspositionTable& table, int depth,
                      const std::function<void(int, std::uint64_t)>& on_position) {
    BenchResult result;
    const auto start = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < BENCH_POSITIONS.size(); ++i) {
        const auto parsed = parse_fen(BENCH_POSITIONS[i]);
        if (!parsed.position) continue;
        st.set_position(parsed.position->board);
        table.clear_table();
        GameContext& game = search.game;
        game = GameContext{};
        game.trait = static_cast<std::uint8_t>(parsed.position->side_to_move);
        game.budget_recherche = UNLIMITED_BUDGET;
        game.temps_alloue = UNLIMITED_SECONDS;
        game.repertoire_enabled = false;
        // Searched even with a single legal move, as when thinking ahead.
        game.ponder = 1;
        search.depth_limit = depth;
        search.choose_move();
        result.nodes += search.total_nodes;
        if (on_position) on_position(static_cast<int>(i), search.total_nodes);
    }
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

} // namespace selvako
