// The choices made once per search: the phase, the opening variant, the men
// table, and the running terms computed from scratch.

#include "eval/evaluate.h"

namespace selvako {

namespace {

int phase_of(const EvalParameters& p, int men) {
    if (men > p.t1) return PHASE_OPENING;
    if (men > p.t2) return PHASE_MIDDLE;
    if (men > p.t3) return PHASE_PRE_FINAL;
    return PHASE_FINAL;
}

// A variant is recognised when more than 8 of its 14 squares hold the man
// they expect (the editor's caption says 8; it takes 9).
bool variant_holds(const BoardArray& board, const VariantSquares& white,
                   const VariantSquares& black) {
    int count = 0;
    for (std::int8_t s : white)
        if (s >= 0 && s <= NUM_SQUARES && board[s] == WHITE_MAN) ++count;
    for (std::int8_t s : black)
        if (s >= 0 && s <= NUM_SQUARES && board[s] == BLACK_MAN) ++count;
    return count > 8;
}

void compute_running_terms(EvalState& eval, EngineState& st, int side) {
    eval.term_tables.side = side == WHITE ? WHITE : BLACK;
    st.running_terms.square_table_sum =
        square_table_sum(eval.term_tables, st.board, st.counts, side);
    st.running_terms.tempo_count = tempo_count(st.board, side);
    count_regions(st.running_terms, st.board, side);
    st.term_tables = &eval.term_tables;
}

} // namespace

int men_table_index(const EvalState& eval) {
    switch (eval.root_phase) {
    case PHASE_OPENING:
        return eval.variant1   ? VARIANT1_OPENING
               : eval.variant2 ? VARIANT2_OPENING
                               : OPENING_DEFAULT;
    case PHASE_MIDDLE:
        return eval.variant1 ? VARIANT1_MIDDLE : eval.variant2 ? VARIANT2_MIDDLE : MIDDLE_DEFAULT;
    case PHASE_PRE_FINAL:
        return PRE_FINAL;
    default:
        return FINAL;
    }
}


void prepare_evaluation(EvalState& eval, EngineState& st, int side) {
    const EvalParameters& p = eval.parameters;
    eval.root_phase =
        static_cast<std::uint8_t>(phase_of(p, st.counts[WHITE_MAN] + st.counts[BLACK_MAN]));
    // The table follows the variant that the previous search recognised.
    eval.term_tables.men = p.tables[men_table_index(eval)];
    if (eval.root_phase <= PHASE_MIDDLE) {
        eval.variant1 = variant_holds(st.board, p.variant1_white, p.variant1_black);
        eval.variant2 =
            !eval.variant1 && variant_holds(st.board, p.variant2_white, p.variant2_black);
    }
    compute_running_terms(eval, st, side);
}

Score evaluate_for_display(EvalState& eval, EngineState& st, int side) {
    st.ply = 2;
    compute_running_terms(eval, st, side);
    return evaluate(eval, st, side, -32000, 32000);
}

} // namespace selvako
