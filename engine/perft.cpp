#include "engine/perft.h"

#include "engine/make_move.h"
#include "engine/move_generation.h"

namespace selvako {

namespace {

std::uint32_t captured_set(const Move& m) {
    std::uint32_t set = 0;
    for (int i = 0; i < m.taken; ++i) set |= 1u << m.captured[i];
    return set;
}

bool same_capture(const Move& a, const Move& b) {
    return a.from == b.from && a.to == b.to && a.taken == b.taken &&
           captured_set(a) == captured_set(b);
}

int generate_for_perft(EngineState& st, int side, bool unique) {
    int count = generate_moves(st, side);
    if (unique && count > 1 && st.current_list()[0].taken > 0)
        count = remove_duplicate_captures(st.current_list(), count);
    return count;
}

std::uint64_t perft_at(EngineState& st, int side, int depth, bool unique) {
    if (depth == 1) {
        int count = count_moves(st, side);
        if (unique && st.greatest_taken > 0)
            count = remove_duplicate_captures(st.current_list(), count);
        return static_cast<std::uint64_t>(count);
    }
    const int count = generate_for_perft(st, side, unique);
    const BoardArray saved_board = st.board;
    const PieceCounts saved_counts = st.counts;
    const int ply = st.ply;
    std::uint64_t nodes = 0;
    for (int i = 0; i < count; ++i) {
        make_move(st, i);
        st.ply = static_cast<std::int8_t>(ply + 1);
        nodes += perft_at(st, 1 - side, depth - 1, unique);
        st.ply = static_cast<std::int8_t>(ply);
        st.board = saved_board;
        st.counts = saved_counts;
    }
    return nodes;
}

} // namespace

int remove_duplicate_captures(Move* moves, int count) {
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        bool duplicate = false;
        for (int j = 0; j < kept && !duplicate; ++j) duplicate = same_capture(moves[j], moves[i]);
        if (!duplicate) moves[kept++] = moves[i];
    }
    return kept;
}

std::uint64_t perft(EngineState& st, int side, int depth, bool unique) {
    if (depth <= 0) return 1;
    st.allocate_move_lists();
    st.ordering_enabled = false;
    st.ply = 1;
    return perft_at(st, side, depth, unique);
}

std::vector<DivideEntry> perft_divide(EngineState& st, int side, int depth, bool unique) {
    std::vector<DivideEntry> result;
    if (depth <= 0) return result;
    st.allocate_move_lists();
    st.ordering_enabled = false;
    st.ply = 1;
    const int count = generate_for_perft(st, side, unique);
    const BoardArray saved_board = st.board;
    const PieceCounts saved_counts = st.counts;
    for (int i = 0; i < count; ++i) {
        const Move move = st.list(1)[i];
        std::uint64_t nodes = 1;
        if (depth > 1) {
            make_move(st, move);
            st.ply = 2;
            nodes = perft_at(st, 1 - side, depth - 1, unique);
            st.ply = 1;
            st.board = saved_board;
            st.counts = saved_counts;
        }
        result.push_back({move, nodes});
    }
    return result;
}

} // namespace selvako
