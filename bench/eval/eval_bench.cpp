// Evaluations per second over a fixed set of positions taken from games
// played with a fixed seed, each evaluated at a leaf (ply 3, full window, so
// the lazy exit never cuts the work short).

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "engine/make_move.h"
#include "engine/move_generation.h"
#include "eval/evaluate.h"
#include "eval/pattern_terms.h"

namespace selvako {
namespace {

struct Leaf {
    BoardArray board;
    Square last_destination;
};

std::vector<Leaf> sample_positions() {
    std::vector<Leaf> leaves;
    std::mt19937 rng(1234);
    for (int game = 0; game < 40; ++game) {
        EngineState st;
        st.set_position(start_position());
        st.allocate_move_lists();
        st.ordering_enabled = false;
        int side = WHITE;
        for (int ply = 0; ply < 80; ++ply) {
            st.ply = 1;
            const int count = generate_moves(st, side);
            if (count == 0) break;
            make_move(st, st.list(1)[rng() % count]);
            side = 1 - side;
            leaves.push_back({st.board, st.last_destination});
        }
    }
    return leaves;
}

EvalParameters bench_parameters() {
    EvalParameters p;
    std::mt19937 rng(99);
    for (auto& t : p.tables)
        for (auto& v : t) v = static_cast<std::uint8_t>(rng() % 40);
    p.t1 = 18;
    p.t2 = 10;
    p.t3 = 6;
    for (auto& w : p.tempo_weights) w = 3;
    return p;
}

// As in a search: one root preparation fixes the tables, and each leaf's
// board, counts and running terms are copied in before it is evaluated.
void BM_Evaluate(benchmark::State& state) {
    const std::vector<Leaf> leaves = sample_positions();
    EvalState eval;
    eval.parameters = bench_parameters();
    EngineState st;
    st.set_position(start_position());
    prepare_evaluation(eval, st, WHITE);
    struct Saved {
        BoardArray board;
        PieceCounts counts;
        RunningTerms terms;
        Square last_destination;
    };
    std::vector<Saved> saved;
    for (const Leaf& leaf : leaves) {
        st.set_position(leaf.board);
        saved.push_back({st.board, st.counts,
                         running_terms_from_scratch(eval.term_tables, st.board),
                         leaf.last_destination});
    }
    st.ply = 3;
    std::size_t i = 0;
    for (auto _ : state) {
        const Saved& s = saved[i];
        st.board = s.board;
        st.counts = s.counts;
        st.running_terms = s.terms;
        st.last_destination = s.last_destination;
        benchmark::DoNotOptimize(evaluate(eval, st, WHITE, -32000, 32000));
        if (++i == saved.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["positions"] = static_cast<double>(saved.size());
}
BENCHMARK(BM_Evaluate);

// Each pattern term on its own over the same positions, White to move in the
// middle game: 0 man safety, 1 promotion threats, 2 back rank, 3 breakthroughs.
void BM_PatternTerm(benchmark::State& state) {
    const std::vector<Leaf> leaves = sample_positions();
    std::vector<PieceCounts> counts;
    for (const Leaf& leaf : leaves) counts.push_back(count_pieces(leaf.board));
    const auto term = state.range(0);
    std::size_t i = 0;
    for (auto _ : state) {
        const PatternBoard pb{leaves[i].board, counts[i], 1, PHASE_MIDDLE};
        const int value = term == 0   ? man_safety(pb, WHITE)
                          : term == 1 ? promotion_threats(pb, WHITE)
                          : term == 2 ? back_rank_structure(pb, WHITE)
                                      : breakthrough_patterns(pb, WHITE);
        benchmark::DoNotOptimize(value);
        if (++i == leaves.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PatternTerm)->DenseRange(0, 3);

} // namespace
} // namespace selvako
