// The leaf evaluation, step by step: material with a king value that rises as
// the board empties, then the positional terms, clamped, then a few endings.

#include "eval/evaluate.h"

#include <algorithm>
#include <cstdlib>

#include "eval/eval_tables.h"
#include "eval/pattern_terms.h"

namespace selvako {

namespace {

constexpr int LONE_KING_BONUS = 30;
constexpr int DIAGONAL_KING_BONUS = 50;
constexpr int WING_IMBALANCE_WEIGHT = 8;
constexpr int CENTRE_WEIGHT = 5;
constexpr int OPENING_WING_WEIGHT = 15;
constexpr int EARLY_CLAMP = 45;
constexpr int POSITIONAL_CLAMP = 170;
constexpr int HANGING_PIECE = 100;
constexpr int ROOT_MAN_MOVE_BONUS = 30;
constexpr int ENDING_GUARD = 15000;
constexpr int FORCED_RESULT_GUARD = 31000;

int king_base(const EvalParameters& p, int pieces) {
    if (pieces > p.t1) return 260;
    if (pieces > p.t2) return 290;
    if (pieces > p.t3) return 310;
    return 330;
}

int tempo_weight(const EvalState& eval, int men) {
    const EvalParameters& p = eval.parameters;
    const int opening = eval.variant1   ? VARIANT1_OPENING
                        : eval.variant2 ? VARIANT2_OPENING
                                        : OPENING_DEFAULT;
    const int middle = eval.variant1   ? VARIANT1_MIDDLE
                       : eval.variant2 ? VARIANT2_MIDDLE
                                       : MIDDLE_DEFAULT;
    if (men > p.t1) return p.tempo_weights[opening];
    if (men > p.t2) return p.tempo_weights[middle];
    if (men > p.t3) return p.tempo_weights[PRE_FINAL];
    return p.tempo_weights[FINAL];
}

bool king_on_long_diagonal(const BoardArray& board, std::uint8_t king) {
    for (Square s : {4, 8, 11, 15, 18, 22, 25, 29})
        if (board[s] == king) return true;
    return false;
}

// A piece that the last move put between an empty square and an enemy piece
// of the same kind can be taken; the side that made the move is credited.
int hanging_piece(const BoardArray& board, Square last, int ply) {
    for (int d = 0; d < 4; ++d) {
        const std::uint8_t beyond = board[NEIGHBOUR[3 - d][last]];
        if (board[NEIGHBOUR[d][last]] == EMPTY && beyond >= WHITE_MAN && beyond <= BLACK_KING &&
            std::abs(beyond - board[last]) == 2)
            return ply % 2 == 1 ? -HANGING_PIECE : HANGING_PIECE;
    }
    return 0;
}

bool on_corner_pair(const BoardArray& board, std::uint8_t king) {
    const bool near = board[1] == king || board[28] == king;
    const bool far = board[5] == king || board[32] == king;
    return near && far;
}

int ending_adjustment(const BoardArray& board, const PieceCounts& c, bool black_view, int total) {
    const int wm = c[WHITE_MAN], wk = c[WHITE_KING], bm = c[BLACK_MAN], bk = c[BLACK_KING];
    if (wk == 3 && wm == 0 && bm == 1 && bk == 1) {
        const int e = three_kings_bonus(board, WHITE_KING);
        if (e != 0 && !black_view && total + e < ENDING_GUARD) return total + e;
        if (e != 0 && black_view && total - e > -ENDING_GUARD) return total - e;
        return total;
    }
    if (bk == 3 && bm == 0 && wm == 1 && wk == 1) {
        const int e = three_kings_bonus(board, BLACK_KING);
        if (!black_view && total - e > -ENDING_GUARD) return total - e;
        if (black_view && total + e < ENDING_GUARD) return total + e;
        return total;
    }
    const bool in_guard = -ENDING_GUARD < total && total < ENDING_GUARD;
    if (wm == 0 && bm == 0 && wk == 4 && bk == 2 && in_guard)
        return on_corner_pair(board, BLACK_KING) ? total / 2 : total;
    if (wm == 0 && bm == 0 && wk == 2 && bk == 4 && in_guard)
        return on_corner_pair(board, WHITE_KING) ? total / 2 : total;
    return total;
}

// Written once for both callers and inlined into each: the search's caller
// keeps only the total, and the compiler drops the rest of the record.
[[gnu::always_inline]] inline EvalBreakdown breakdown(const EvalState& eval, const EngineState& st,
                                                      int side, int alpha, int beta) {
    EvalBreakdown out;
    const PieceCounts& c = st.counts;
    const BoardArray& board = st.board;
    const RunningTerms& terms = st.running_terms;
    const EvalParameters& p = eval.parameters;
    const bool black_view = side != WHITE;
    const int wm = c[WHITE_MAN], wk = c[WHITE_KING], bm = c[BLACK_MAN], bk = c[BLACK_KING];
    const int pieces = wm + wk + bm + bk;
    const int men = wm + bm;
    const int ply = st.ply;

    out.king_value = 2 * king_base(p, pieces) + (wk + bk == 1 ? LONE_KING_BONUS : 0);
    const auto material =
        static_cast<std::int16_t>((wm - bm) * MAN_VALUE + (wk - bk) * out.king_value);
    out.material = black_view ? -material : material;
    if ((ply % 2 == 1 && out.material <= alpha - LAZY_MARGIN) ||
        (ply % 2 == 0 && out.material >= beta + LAZY_MARGIN)) {
        out.lazy_exit = true;
        out.total = static_cast<Score>(out.material);
        return out;
    }

    int positional = 0;
    if (wk > 0 && bk > 0 && wm < 5 && bm < 5) {
        const std::uint8_t own = black_view ? BLACK_KING : WHITE_KING;
        const std::uint8_t other = black_view ? WHITE_KING : BLACK_KING;
        if (king_on_long_diagonal(board, own)) out.long_diagonal += DIAGONAL_KING_BONUS;
        if (king_on_long_diagonal(board, other)) out.long_diagonal -= DIAGONAL_KING_BONUS;
        positional += out.long_diagonal;
    }

    const PatternBoard pb{board, c, ply, eval.root_phase};
    const int promotion = promotion_threats(pb, side);

    out.square_tables = terms.square_table_sum;
    out.tempo = tempo_weight(eval, men) * terms.tempo_count;
    positional += out.square_tables + out.tempo;

    if (pieces > p.t3) {
        out.centre = (terms.own_centre - terms.opponent_centre) * CENTRE_WEIGHT;
        out.wing_balance = (std::abs(terms.opponent_regions[1] - terms.opponent_regions[2]) -
                            std::abs(terms.own_regions[1] - terms.own_regions[2])) *
                           WING_IMBALANCE_WEIGHT;
        positional += out.centre + out.wing_balance;
        const int clamped = std::clamp(positional, -EARLY_CLAMP, EARLY_CLAMP);
        out.clamp_45 = clamped - positional;
        positional = clamped;
    }

    if (pieces > p.t1) {
        // The same squares seen from both sides: an enemy majority in one's own
        // half, or one's own majority in the enemy half, is scored.
        const auto& own = terms.own_regions;
        const auto& opp = terms.opponent_regions;
        if (own[1] < opp[4]) out.opening_wings += OPENING_WING_WEIGHT * (own[1] - opp[4]);
        if (own[2] < opp[3]) out.opening_wings += OPENING_WING_WEIGHT * (own[2] - opp[3]);
        if (own[4] > opp[1]) out.opening_wings += OPENING_WING_WEIGHT * (own[4] - opp[1]);
        if (own[3] > opp[2]) out.opening_wings += OPENING_WING_WEIGHT * (own[3] - opp[2]);
        positional += out.opening_wings;
    }

    if (wk + bk == 0) out.breakthrough = breakthrough_patterns(pb, side);
    if (out.breakthrough == 0) {
        if (eval.root_phase < PHASE_FINAL) out.back_rank = back_rank_structure(pb, side);
        if (-9 < promotion && promotion < 9) out.man_safety = man_safety(pb, side);
        positional += out.back_rank + out.man_safety;
    }

    if (ply > 2) {
        out.hanging_piece = hanging_piece(board, st.last_destination, ply);
        positional += out.hanging_piece;
    }

    const int clamped = std::clamp(positional, -POSITIONAL_CLAMP, POSITIONAL_CLAMP);
    out.clamp_170 = clamped - positional;
    out.promotion = promotion;
    positional = clamped + promotion;

    if (wm == 1 && bm == 1 && ((wk == 2 && bk == 1) || (wk == 1 && bk == 2))) {
        out.two_kings_ending = 25 * terms.tempo_count;
        positional += out.two_kings_ending;
    }
    positional += out.breakthrough;

    if (eval.root_phase == PHASE_FINAL) {
        if (eval.root_piece == BLACK_MAN)
            out.root_man_move = black_view ? ROOT_MAN_MOVE_BONUS : -ROOT_MAN_MOVE_BONUS;
        if (eval.root_piece == WHITE_MAN)
            out.root_man_move = black_view ? -ROOT_MAN_MOVE_BONUS : ROOT_MAN_MOVE_BONUS;
        positional += out.root_man_move;
    }

    int total = positional + out.material;
    // The endings adjusted all have at most one man on the board.
    if (men <= 1) {
        const int after_endings = ending_adjustment(board, c, black_view, total);
        out.endings = after_endings - total;
        total = after_endings;
    }

    if (-FORCED_RESULT_GUARD < total && total < FORCED_RESULT_GUARD && pieces <= 7 && wm >= 1 &&
        bm >= 1 && wk >= 2 && bk >= 2) {
        out.quarter = total / 4 - total;
        total /= 4;
    }
    out.total = static_cast<Score>(total);
    return out;
}

} // namespace

EvalBreakdown evaluate_breakdown(const EvalState& eval, const EngineState& st, int side, int alpha,
                                 int beta) {
    return breakdown(eval, st, side, alpha, beta);
}

Score evaluate(const EvalState& eval, const EngineState& st, int side, int alpha, int beta) {
    return breakdown(eval, st, side, alpha, beta).total;
}

Score three_kings_bonus(const BoardArray& board, int king_code) {
    const std::uint8_t defender = king_code == WHITE_KING ? BLACK_MAN : WHITE_MAN;
    Square kings[3] = {0, 0, 0};
    int found = 0;
    Square man = 0;
    bool king_on_long = false;
    // The kings are taken in the order of the squares as the attacker sees
    // them, so that the bonus does not depend on the attacker's colour.
    for (int t = 1; t <= NUM_SQUARES; ++t) {
        const int s = king_code == WHITE_KING ? t : NUM_SQUARES + 1 - t;
        if (board[s] == king_code && found < 3) {
            kings[found++] = static_cast<Square>(s);
            if (DIAGONAL_NUMBER[s] == 4) king_on_long = true;
        }
        if (board[s] == defender) man = static_cast<Square>(s);
    }
    if (found < 3 || man == 0) return 0;
    const int m = FILE_NUMBER[man];
    const int f1 = FILE_NUMBER[kings[0]], f2 = FILE_NUMBER[kings[1]], f3 = FILE_NUMBER[kings[2]];
    auto beside = [m](int f) { return f == m - 1 || f == m + 1; };
    int bonus = 0;
    if (king_on_long && f1 == m) bonus += 120;
    if (beside(f1)) bonus += 40;
    if (f2 == m)
        bonus += 110;
    else if (beside(f2))
        bonus += 35;
    if (f3 == m)
        bonus += 100;
    else if (beside(f3))
        bonus += 30;
    return static_cast<Score>(bonus);
}

} // namespace selvako
