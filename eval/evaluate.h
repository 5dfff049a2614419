#pragma once
// The static evaluation: a Score in 1/200 of a man from the point of view of
// `side` (0 White, any other value Black), whoever is to move at the leaf.
//
// How the search uses it:
//   - at the start of every search, once the piece counts are recounted:
//     prepare_evaluation(eval, st, root_side). It fixes eval.root_phase (read
//     it for the advanced-man extension: PHASE_OPENING means the opening), the
//     men table and the variant, and computes the running terms, which
//     make_move then keeps up to date in st.running_terms;
//   - the search saves st.running_terms with the board and copies them back
//     when it takes a move back;
//   - at ply 1 it writes eval.root_piece (the code on the root move's
//     from-square) and at the horizon sets eval.called_at_leaf;
//   - at a leaf, evaluate(eval, st, root_side, alpha, beta) with the node's bounds.

#include <cstdint>

#include "engine/engine_state.h"
#include "eval/eval_state.h"

namespace selvako {

using Score = std::int16_t;

inline constexpr int MAN_VALUE = 200;
// Material alone this far beyond the bound ends the evaluation early.
inline constexpr int LAZY_MARGIN = 185;

void prepare_evaluation(EvalState& eval, EngineState& st, int side);

// The men table (and tempo weight) the phase and variant of the last
// preparation select, an index into EvalParameters::tables.
int men_table_index(const EvalState& eval);

Score evaluate(const EvalState& eval, const EngineState& st, int side, int alpha, int beta);

// For the position shown on the board: ply 2, running terms recomputed from
// scratch, the phase, men table and variant as the last search left them.
Score evaluate_for_display(EvalState& eval, EngineState& st, int side);

// Each step's contribution to one evaluation, for selvako-cli and the tests.
struct EvalBreakdown {
    int king_value = 0;
    int material = 0;
    bool lazy_exit = false;
    int long_diagonal = 0;
    int square_tables = 0;
    int tempo = 0;
    int centre = 0;
    int wing_balance = 0;
    int clamp_45 = 0; // what the clamp to -45..45 took away
    int opening_wings = 0;
    int breakthrough = 0;
    int back_rank = 0;
    int man_safety = 0;
    int hanging_piece = 0;
    int clamp_170 = 0; // what the clamp to -170..170 took away
    int promotion = 0;
    int two_kings_ending = 0;
    int root_man_move = 0;
    int endings = 0; // three-kings bonus or the halving of 4 kings against 2
    int quarter = 0; // the division by 4 of men-and-kings endings
    Score total = 0;
};

EvalBreakdown evaluate_breakdown(const EvalState& eval, const EngineState& st, int side, int alpha,
                                 int beta);

// From-scratch computations: the square-table sum also sets up the king table.
std::int32_t square_table_sum(TermTables& tables, const BoardArray& board,
                              const PieceCounts& counts, int side);
std::int32_t tempo_count(const BoardArray& board, int side);
void count_regions(RunningTerms& terms, const BoardArray& board, int side);

// The running terms of `board` computed from scratch with the given tables
// (which must already hold the king table), for checking the upkeep.
RunningTerms running_terms_from_scratch(const TermTables& tables, const BoardArray& board);

// Bonus for the kings of code `king_code` (2 or 4) lined up on the file of
// the lone enemy man, in the ending of three kings against a king and a man.
Score three_kings_bonus(const BoardArray& board, int king_code);

} // namespace selvako
