#include "engine/engine_state.h"

#include <cstdio>
#include <cstdlib>
#include <new>

namespace selvako {

void EngineState::allocate_move_lists() {
    if (move_lists) return;
    move_lists.reset(new (std::nothrow) Move[NUM_PLY_LISTS * MOVE_LIST_CAPACITY]);
    if (!move_lists) {
        std::puts("Allocation mémoire");
        std::exit(1);
    }
    move_count.fill(0);
    capture_scratch.fill(0);
}

void EngineState::set_position(const BoardArray& new_board) {
    board = new_board;
    board[0] = SENTINEL;
    counts = count_pieces(board);
    material_balance = 0;
    reset_keys();
}

void EngineState::reset_keys() {
    const PositionKeys k = position_keys(board, keys);
    index_key = k.index;
    check_key = k.check;
    learned_key = learned_index_key(board, learned_words);
}

void EngineState::reset_killers_and_alternatives() {
    for (int p = 0; p < NUM_PLY_LISTS; ++p) {
        const std::int16_t worst = (p % 2 == 1) ? -32000 : 32000;
        killers[p][0] = Move{};
        killers[p][1] = Move{};
        killers[p][0].key = worst;
        killers[p][1].key = worst;
        alternatives[p] = Move{};
    }
}

} // namespace selvako
