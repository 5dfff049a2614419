#include "engine/move_generation.h"

#include "engine/capture_search.h"
#include "engine/move_ordering.h"

namespace selvako {

namespace {

// Captures found by the engine generator go straight into the current ply's list.
struct PlyListSink {
    EngineState& st;
    std::uint8_t& greatest() { return st.greatest_taken; }
    void landing(int, Square) {}
    void clear() { st.move_count[st.ply] = 0; }
    void store(Square to) {
        MoveCount& count = st.move_count[st.ply];
        if (count >= MOVE_LIST_CAPACITY) return; // cannot happen: capacity covers the worst case
        Move& m = st.current_list()[count++];
        m.from = st.capture_origin;
        m.to = to;
        m.taken = st.greatest_taken;
        for (int i = 0; i < st.greatest_taken; ++i) m.captured[i] = st.capture_scratch[i + 1];
        m.key = 0;
    }
};

void store_plain(EngineState& st, Square from, Square to) {
    MoveCount& count = st.move_count[st.ply];
    if (count >= MOVE_LIST_CAPACITY) return;
    Move& m = st.current_list()[count++];
    m.from = from;
    m.to = to;
    m.taken = 0;
    m.key = 0;
}

void generate_plain_moves(EngineState& st, int side, const Square* own, int own_count) {
    const auto& board = st.board;
    const int first_dir = side == BLACK ? DOWN_LEFT : UP_LEFT;
    for (int i = 0; i < own_count; ++i) {
        const Square s = own[i];
        if (is_king(board[s])) {
            for (int d = 0; d < 4; ++d)
                for (Square t = NEIGHBOUR[d][s]; board[t] == EMPTY; t = NEIGHBOUR[d][t])
                    store_plain(st, s, t);
        } else {
            for (int d = first_dir; d < first_dir + 2; ++d) {
                const Square t = NEIGHBOUR[d][s];
                if (board[t] == EMPTY) store_plain(st, s, t);
            }
        }
    }
}

} // namespace

int generate_moves(EngineState& st, int side) {
    st.move_count[st.ply] = 0;
    st.greatest_taken = 0;
    st.capture_scratch.fill(0);
    st.enemy_man_code = enemy_man(side);
    st.enemy_king_code = enemy_king(side);
    PlyListSink sink{st};
    detail::CaptureSearch<PlyListSink> search{st, sink, st.enemy_man_code, st.enemy_king_code};
    const std::uint8_t man = own_man(side);
    const std::uint8_t king = own_king(side);

    Square own[NUM_SQUARES];
    int own_count = 0;
    auto visit = [&](Square s) {
        const std::uint8_t code = st.board[s];
        if (code != man && code != king) return;
        st.capture_origin = s;
        if (code == man)
            search.man(s, 1);
        else
            search.king(s, 7, 1);
        st.board[s] = code;
        own[own_count++] = s;
    };
    if (side == BLACK)
        for (int s = 1; s <= NUM_SQUARES; ++s) visit(static_cast<Square>(s));
    else
        for (int s = NUM_SQUARES; s >= 1; --s) visit(static_cast<Square>(s));

    const bool captures = st.greatest_taken > 0;
    if (!captures) generate_plain_moves(st, side, own, own_count);

    const int count = st.move_count[st.ply];
    if (st.ordering_enabled) order_moves(st, count, captures);
    return count;
}

int generate_root_moves(EngineState& st, int side) {
    st.ply = 1;
    st.allocate_move_lists();
    st.reset_killers_and_alternatives();
    return generate_moves(st, side);
}

} // namespace selvako
