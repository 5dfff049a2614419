#include "engine/move_generation.h"

#include "engine/capture_search.h"
#include "engine/move_ordering.h"
#include "engine/square_sets.h"

#include <bit>

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

// What the generator needs to know of one side's position, as square sets.
struct SideSets {
    SquareSet men;
    SquareSet kings;
    SquareSet enemies;
    SquareSet empty;
};

// Outside a capture search the playable squares hold only piece codes 0..4,
// so whatever is neither empty nor one's own is the enemy's.
SideSets side_sets(const BoardArray& board, int side) {
    SideSets sets;
    sets.men = squares_holding(board, own_man(side));
    sets.kings = squares_holding(board, own_king(side));
    sets.empty = squares_holding(board, EMPTY);
    sets.enemies = ~(sets.men | sets.kings | sets.empty);
    return sets;
}

// The men of the side that have a first jump: a man jumps in direction d when
// the square beyond it in d holds an enemy and the one beyond that is empty.
SquareSet jumping_men(const SideSets& sets) {
    SquareSet jumpers = 0;
    for (int d = 0; d < 4; ++d)
        jumpers |= sets.men & step(sets.enemies & step(sets.empty, 3 - d), 3 - d);
    return jumpers;
}

// The pieces of the side that have a first jump. When there are none, the
// capture searches would find nothing and are skipped.
SquareSet jumping_pieces(const BoardArray& board, const SideSets& sets, std::uint8_t enemy) {
    SquareSet jumpers = jumping_men(sets);
    for (SquareSet k = sets.kings; k != 0; k &= k - 1) {
        const Square s = static_cast<Square>(std::countr_zero(k) + 1);
        if (detail::has_first_jump(board, s, true, enemy)) jumpers |= square_bit(s);
    }
    return jumpers;
}

// Own pieces in the generator's scan order: from Black's side of the board for
// Black, from White's side for White. The order decides the order of the list.
int own_pieces_in_scan_order(const SideSets& sets, int side, Square* own) {
    int count = 0;
    SquareSet pieces = sets.men | sets.kings;
    while (pieces != 0) {
        const int bit = side == BLACK ? std::countr_zero(pieces) : 31 - std::countl_zero(pieces);
        pieces &= ~(SquareSet{1} << bit);
        own[count++] = static_cast<Square>(bit + 1);
    }
    return count;
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

// The recursive search is kept out of line: most pieces have no jump, and the
// scan over the board stays small and fast for them.
[[gnu::noinline]] void search_captures_from(EngineState& st, Square s, bool king_piece) {
    PlyListSink sink{st};
    detail::CaptureSearch<PlyListSink> search{st, sink, st.enemy_man_code};
    const std::uint8_t code = st.board[s];
    st.capture_origin = s;
    if (king_piece)
        search.king(s, 7, 1);
    else
        search.man(s, 1);
    st.board[s] = code;
}

void generate_captures(EngineState& st, const Square* own, int own_count, SquareSet jumpers) {
    for (int i = 0; i < own_count; ++i)
        if (jumpers & square_bit(own[i]))
            search_captures_from(st, own[i], is_king(st.board[own[i]]));
}

int generate_with_sets(EngineState& st, int side, const SideSets& sets, SquareSet jumpers) {
    st.move_count[st.ply] = 0;
    st.greatest_taken = 0;
    st.capture_scratch.fill(0);
    st.enemy_man_code = enemy_man(side);
    st.enemy_king_code = enemy_king(side);

    Square own[NUM_SQUARES];
    const int own_count = own_pieces_in_scan_order(sets, side, own);
    if (jumpers != 0) generate_captures(st, own, own_count, jumpers);

    const bool captures = st.greatest_taken > 0;
    if (!captures) generate_plain_moves(st, side, own, own_count);

    const int count = st.move_count[st.ply];
    if (st.ordering_enabled) order_moves(st, count, captures);
    return count;
}

} // namespace

int generate_moves(EngineState& st, int side) {
    const SideSets sets = side_sets(st.board, side);
    return generate_with_sets(st, side, sets, jumping_pieces(st.board, sets, enemy_man(side)));
}

bool has_capture(const EngineState& st, int side) {
    const SideSets sets = side_sets(st.board, side);
    return jumping_pieces(st.board, sets, enemy_man(side)) != 0;
}

int count_moves(EngineState& st, int side) {
    const SideSets sets = side_sets(st.board, side);
    if (const SquareSet jumpers = jumping_pieces(st.board, sets, enemy_man(side)); jumpers != 0)
        return generate_with_sets(st, side, sets, jumpers);
    st.greatest_taken = 0;
    const int first_dir = side == BLACK ? DOWN_LEFT : UP_LEFT;
    int count = std::popcount(step(sets.men, first_dir) & sets.empty) +
                std::popcount(step(sets.men, first_dir + 1) & sets.empty);
    for (SquareSet k = sets.kings; k != 0; k &= k - 1) {
        const Square s = static_cast<Square>(std::countr_zero(k) + 1);
        for (int d = 0; d < 4; ++d)
            for (Square t = NEIGHBOUR[d][s]; st.board[t] == EMPTY; t = NEIGHBOUR[d][t]) ++count;
    }
    return count;
}

int generate_root_moves(EngineState& st, int side) {
    st.ply = 1;
    st.allocate_move_lists();
    st.reset_killers_and_alternatives();
    return generate_moves(st, side);
}

} // namespace selvako
