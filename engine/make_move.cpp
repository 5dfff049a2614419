#include "engine/make_move.h"

namespace selvako {

namespace {

// Men count 1 and kings 3, seen from the side that moves at the root.
int material_value(std::uint8_t code) {
    return is_king(code) ? 3 : 1;
}

int root_sign(const EngineState& st, std::uint8_t code) {
    const bool root_piece = (st.root_side == BLACK) ? is_black_piece(code) : is_white_piece(code);
    return root_piece ? 1 : -1;
}

// A man that ends its move on the far row is crowned there.
std::uint8_t arriving_code(std::uint8_t code, Square to) {
    if (code == WHITE_MAN && to <= 4) return WHITE_KING;
    if (code == BLACK_MAN && to >= 29) return BLACK_KING;
    return code;
}

// Every change of a square's content goes through these two, which is where the
// position keys and the evaluation's running terms follow the board.
void remove_piece(EngineState& st, Square square, std::uint8_t code) {
    st.board[square] = EMPTY;
    --st.counts[code];
    st.index_key ^= st.keys.index[key_slot(code, square)];
    st.check_key ^= st.keys.check[key_slot(code, square)];
    st.learned_key ^= st.learned_words[key_slot(code, square)];
    if (st.term_tables) running_terms_remove(st.running_terms, *st.term_tables, square, code);
}

void place_piece(EngineState& st, Square square, std::uint8_t code) {
    st.board[square] = code;
    ++st.counts[code];
    st.index_key ^= st.keys.index[key_slot(code, square)];
    st.check_key ^= st.keys.check[key_slot(code, square)];
    st.learned_key ^= st.learned_words[key_slot(code, square)];
    if (st.term_tables) running_terms_place(st.running_terms, *st.term_tables, square, code);
}

} // namespace

void make_move(EngineState& st, const Move& move) {
    const std::uint8_t code = st.board[move.from];
    remove_piece(st, move.from, code);
    for (int i = 0; i < move.taken; ++i) {
        const Square s = move.captured[i];
        const std::uint8_t victim = st.board[s];
        if (victim < WHITE_MAN || victim > BLACK_KING) continue;
        remove_piece(st, s, victim);
        st.material_balance -= root_sign(st, victim) * material_value(victim);
    }
    const std::uint8_t arriving = arriving_code(code, move.to);
    if (arriving != code) st.material_balance += root_sign(st, code) * 2;
    place_piece(st, move.to, arriving);
    if (arriving != code && st.term_tables)
        running_terms_keep_promoted_man(st.running_terms, *st.term_tables, move.to, code);
    st.board[0] = SENTINEL;
    st.last_destination = move.to;
}

std::uint32_t index_key_after(const EngineState& st, const Move& move) {
    const std::uint8_t code = st.board[move.from];
    std::uint32_t key = st.index_key ^ st.keys.index[key_slot(code, move.from)];
    for (int i = 0; i < move.taken; ++i) {
        const Square s = move.captured[i];
        const std::uint8_t victim = st.board[s];
        if (victim < WHITE_MAN || victim > BLACK_KING) continue;
        key ^= st.keys.index[key_slot(victim, s)];
    }
    return key ^ st.keys.index[key_slot(arriving_code(code, move.to), move.to)];
}

void make_move(EngineState& st, int index) {
    make_move(st, st.current_list()[index]);
}

} // namespace selvako
