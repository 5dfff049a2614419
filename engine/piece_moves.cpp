#include "engine/capture_search.h"
#include "engine/move_generation.h"

namespace selvako {

namespace {

// Captures of the piece generator go into the ply-1 list, with the landing
// and captured squares of each copied into the rows the board input reads.
struct PieceRowsSink {
    EngineState& st;
    std::uint8_t& greatest() { return st.piece_greatest_taken; }
    void landing(int k, Square square) { st.piece_landing_scratch[k] = square; }
    void clear() { st.piece_move_count = 0; }
    void store(Square to) {
        if (st.piece_move_count >= MOVE_LIST_CAPACITY) return;
        const int index = st.piece_move_count++;
        const int taken = st.piece_greatest_taken;
        Move& m = st.list(1)[index];
        m.from = st.capture_origin;
        m.to = to;
        m.taken = static_cast<std::uint8_t>(taken);
        m.key = 0;
        auto& landings = st.piece_rows->landings[index];
        auto& captured = st.piece_rows->captured[index];
        landings.fill(0);
        captured.fill(0);
        for (int i = 0; i < taken; ++i) {
            m.captured[i] = st.capture_scratch[i + 1];
            captured[i] = st.capture_scratch[i + 1];
            landings[i] = st.piece_landing_scratch[i + 1];
        }
    }
};

void store_piece_plain_move(EngineState& st, Square from, Square to) {
    if (st.piece_move_count >= MOVE_LIST_CAPACITY) return;
    const int index = st.piece_move_count++;
    Move& m = st.list(1)[index];
    m = Move{};
    m.from = from;
    m.to = to;
    st.piece_rows->landings[index].fill(0);
    st.piece_rows->captured[index].fill(0);
    st.piece_rows->landings[index][0] = to;
}

} // namespace

int generate_piece_moves(EngineState& st, Square square, int side) {
    st.allocate_move_lists();
    st.piece_move_count = 0;
    st.piece_greatest_taken = 0;
    st.capture_scratch.fill(0);
    st.piece_landing_scratch.fill(0);

    const std::uint8_t code = st.board[square];
    if (code < WHITE_MAN || code > BLACK_KING) return 0;
    const int piece_side = is_black_piece(code) ? BLACK : WHITE;
    PieceRowsSink sink{st};
    detail::CaptureSearch<PieceRowsSink> search{st, sink, enemy_man(piece_side)};
    st.capture_origin = square;
    if (is_king(code))
        search.king(square, 5, 1);
    else
        search.man(square, 1);
    st.board[square] = code;
    if (st.piece_greatest_taken > 0) return st.piece_move_count;

    const auto& board = st.board;
    if (is_king(code)) {
        for (int d = 0; d < 4; ++d)
            for (Square t = NEIGHBOUR[d][square]; board[t] == EMPTY; t = NEIGHBOUR[d][t])
                store_piece_plain_move(st, square, t);
    } else {
        const int first_dir = side == BLACK ? DOWN_LEFT : UP_LEFT;
        for (int d = first_dir; d < first_dir + 2; ++d) {
            const Square t = NEIGHBOUR[d][square];
            if (board[t] == EMPTY) store_piece_plain_move(st, square, t);
        }
    }
    return st.piece_move_count;
}

int find_capture_path(EngineState& st, Square from, const Square* captured, int taken,
                      Square* landings) {
    const int count = generate_piece_moves(st, from, WHITE);
    if (st.piece_greatest_taken == 0) return 0;
    for (int i = 0; i < count; ++i) {
        const Move& m = st.list(1)[i];
        if (m.taken != taken) continue;
        bool same = true;
        for (int j = 0; j < taken && same; ++j) same = m.captured[j] == captured[j];
        if (!same) continue;
        for (int j = 0; j < taken; ++j) landings[j] = st.piece_rows->landings[i][j];
        return taken;
    }
    return 0;
}

} // namespace selvako
