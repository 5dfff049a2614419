// What a node at the search's horizon costs before its evaluation: finding
// whether the side must take (and its captures when it must), over positions
// from random games; and the CRC-32 that checks the endgame tables at start.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "engine/crc32.h"
#include "engine/make_move.h"
#include "engine/move_generation.h"

namespace selvako {
namespace {

struct SidePosition {
    BoardArray board;
    int side;
};

std::vector<SidePosition> random_game_positions() {
    std::vector<SidePosition> positions;
    std::mt19937 rng(4321);
    EngineState st;
    st.allocate_move_lists();
    st.ordering_enabled = false;
    for (int game = 0; game < 40; ++game) {
        st.set_position(start_position());
        int side = WHITE;
        for (int ply = 0; ply < 80; ++ply) {
            positions.push_back({st.board, side});
            st.ply = 1;
            const int count = generate_moves(st, side);
            if (count == 0) break;
            make_move(st, static_cast<int>(rng() % static_cast<unsigned>(count)));
            side = 1 - side;
        }
    }
    return positions;
}

void BM_HorizonMustTake(benchmark::State& state) {
    const std::vector<SidePosition> positions = random_game_positions();
    EngineState st;
    st.allocate_move_lists();
    st.ordering_enabled = false;
    st.ply = 2;
    std::size_t i = 0;
    for (auto _ : state) {
        const SidePosition& position = positions[i];
        st.board = position.board;
        benchmark::DoNotOptimize(generate_moves_if_capture(st, position.side));
        i = i + 1 == positions.size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HorizonMustTake);

void BM_Crc32(benchmark::State& state) {
    std::vector<unsigned char> bytes(1 << 20);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 131);
    for (auto _ : state) benchmark::DoNotOptimize(crc32(bytes.data(), bytes.size()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_Crc32);

} // namespace
} // namespace selvako
