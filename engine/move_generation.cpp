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
        jumpers |= sets.men & step(sets.enemies, 3 - d) & two_steps(sets.empty, 3 - d);
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

// The generator takes the pieces in scan order: from Black's side of the board
// for Black, from White's side for White. The order decides the order of the list.
Square next_in_scan_order(SquareSet& pieces, int side) {
    const int bit = side == BLACK ? std::countr_zero(pieces) : 31 - std::countl_zero(pieces);
    pieces &= ~(SquareSet{1} << bit);
    return static_cast<Square>(bit + 1);
}

// A side of at most 12 pieces has at most 12 * 13 plain moves, so the list
// never fills with them.
static_assert(12 * 13 <= MOVE_LIST_CAPACITY);

void generate_plain_moves(EngineState& st, int side, const SideSets& sets) {
    const auto& board = st.board;
    const int first_dir = side == BLACK ? DOWN_LEFT : UP_LEFT;
    // Men with an empty square ahead, and every king: the others have no move.
    const SquareSet movers =
        (sets.men & (step(sets.empty, 3 - first_dir) | step(sets.empty, 3 - (first_dir + 1)))) |
        sets.kings;
    Move* list = st.current_list();
    MoveCount count = 0;
    auto store = [&](Square from, Square to) {
        Move& m = list[count++];
        m.from = from;
        m.to = to;
        m.taken = 0;
        m.key = 0;
    };
    for (SquareSet pieces = movers; pieces != 0;) {
        const Square s = next_in_scan_order(pieces, side);
        if (sets.kings & square_bit(s)) {
            for (int d = 0; d < 4; ++d)
                for (Square t = NEIGHBOUR[d][s]; board[t] == EMPTY; t = NEIGHBOUR[d][t])
                    store(s, t);
        } else {
            for (int d = first_dir; d < first_dir + 2; ++d) {
                const Square t = NEIGHBOUR[d][s];
                if (board[t] == EMPTY) store(s, t);
            }
        }
    }
    st.move_count[st.ply] = count;
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

void generate_captures(EngineState& st, int side, const SideSets& sets, SquareSet jumpers) {
    st.capture_scratch.fill(0);
    while (jumpers != 0) {
        const Square s = next_in_scan_order(jumpers, side);
        search_captures_from(st, s, (sets.kings & square_bit(s)) != 0);
    }
}

int generate_with_sets(EngineState& st, int side, const SideSets& sets, SquareSet jumpers) {
    st.move_count[st.ply] = 0;
    st.greatest_taken = 0;
    st.enemy_man_code = enemy_man(side);
    st.enemy_king_code = enemy_king(side);

    if (jumpers != 0) generate_captures(st, side, sets, jumpers);

    const bool captures = st.greatest_taken > 0;
    if (!captures) generate_plain_moves(st, side, sets);

    const int count = st.move_count[st.ply];
    if (st.ordering_enabled) order_moves(st, count, captures);
    return count;
}

} // namespace

int generate_moves(EngineState& st, int side) {
    const SideSets sets = side_sets(st.board, side);
    return generate_with_sets(st, side, sets, jumping_pieces(st.board, sets, enemy_man(side)));
}

int generate_moves_if_capture(EngineState& st, int side) {
    const SideSets sets = side_sets(st.board, side);
    const SquareSet jumpers = jumping_pieces(st.board, sets, enemy_man(side));
    return jumpers != 0 ? generate_with_sets(st, side, sets, jumpers) : -1;
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
