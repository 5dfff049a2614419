#pragma once
// Whether White, to move, crowns a man by force within a number of its own
// moves, whatever Black answers, without Black crowning first and without
// losing the new king at once. Used to find and to check the breakthrough
// formations on boards that hold only the formation's men.

#include "engine/make_move.h"
#include "engine/move_generation.h"

namespace selvako::breakthrough {

struct Saved {
    BoardArray board;
    PieceCounts counts;
    explicit Saved(const EngineState& st) : board(st.board), counts(st.counts) {}
    void restore(EngineState& st) const {
        st.board = board;
        st.counts = counts;
    }
};

bool black_cannot_stop(EngineState& st, int white_moves, int ply);

// Black to move after White has crowned: every answer leaves a white king.
inline bool king_survives(EngineState& st, int ply) {
    st.ply = static_cast<std::int8_t>(ply);
    const int count = generate_moves(st, BLACK);
    const Saved saved(st);
    for (int i = 0; i < count; ++i) {
        make_move(st, st.list(ply)[i]);
        const bool alive = st.counts[WHITE_KING] > 0;
        saved.restore(st);
        if (!alive) return false;
    }
    return true;
}

inline bool white_crowns(EngineState& st, int white_moves, int ply) {
    if (white_moves == 0) return false;
    st.ply = static_cast<std::int8_t>(ply);
    const int count = generate_moves(st, WHITE);
    const Saved saved(st);
    for (int i = 0; i < count; ++i) {
        const Move m = st.list(ply)[i];
        const bool man = st.board[m.from] == WHITE_MAN;
        make_move(st, m);
        const bool crowned = man && st.board[m.to] == WHITE_KING;
        const bool wins =
            crowned ? king_survives(st, ply + 1) : black_cannot_stop(st, white_moves - 1, ply + 1);
        saved.restore(st);
        if (wins) return true;
    }
    return false;
}

// Black to move: true when every answer still lets White crown in time.
inline bool black_cannot_stop(EngineState& st, int white_moves, int ply) {
    st.ply = static_cast<std::int8_t>(ply);
    const int count = generate_moves(st, BLACK);
    if (count == 0) return true;
    if (white_moves == 0) return false;
    const Saved saved(st);
    for (int i = 0; i < count; ++i) {
        const Move m = st.list(ply)[i];
        const bool man = st.board[m.from] == BLACK_MAN;
        make_move(st, m);
        const bool crowned = man && st.board[m.to] == BLACK_KING;
        const bool white_wins = !crowned && white_crowns(st, white_moves, ply + 1);
        saved.restore(st);
        if (!white_wins) return false;
    }
    return true;
}

// The fewest White moves (1..limit) in which White to move crowns, or 0.
inline int moves_to_crown(EngineState& st, int limit) {
    st.allocate_move_lists();
    st.ordering_enabled = false;
    for (int n = 1; n <= limit; ++n)
        if (white_crowns(st, n, 1)) return n;
    return 0;
}

// The same with Black to move first; 0 when Black holds.
inline int moves_to_crown_after_black(EngineState& st, int limit) {
    st.allocate_move_lists();
    st.ordering_enabled = false;
    for (int n = 1; n <= limit; ++n)
        if (black_cannot_stop(st, n, 1)) return n;
    return 0;
}

} // namespace selvako::breakthrough
