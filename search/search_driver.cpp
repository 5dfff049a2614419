#include <algorithm>

#include "engine/killer_moves.h"
#include "engine/move_generation.h"
#include "search/search.h"

namespace selvako {

namespace {

inline constexpr int ASPIRATION_WIDTH = 250;
// Ahead by more than this (half a man), the root side plays on rather than
// bring a position back, which scores that much below a draw for it.
inline constexpr int AHEAD_MARGIN = 100;
inline constexpr int PLAY_ON_PENALTY = 50;

} // namespace

int Search::choose_move() {
    const int h = game.num_demi_coup;
    // A clock below zero cannot have run; treating it as zero keeps the plan sane.
    const std::int32_t used = std::max(0, game.trait == BLACK ? game.temps_noir : game.temps_blanc);
    if (!game.ponder) {
        m_move_start = m_clock.now_seconds() - used;
        m_used_before = used;
    }
    seconds_used = used;
    m_st.reset_keys();
    m_st.reset_killers_and_alternatives();
    m_st.move_count.fill(0);
    m_budget = plan_time(game.budget_recherche, game.temps_alloue, h, used, game.analysis != 0,
                         game.ponder != 0);
    return prepare_and_answer();
}

int Search::prepare_and_answer() {
    m_st.board[0] = SENTINEL;
    m_st.allocate_move_lists();
    for (auto& row : m_st.pv)
        for (Move& m : row) m.from = m.to = 0;
    nodes = 0;
    total_nodes = 0;
    iteration_counted = false;
    depth_reached = 0;
    m_st.counts = count_pieces(m_st.board);
    const PieceCounts& c = m_st.counts;
    if (c[WHITE_MAN] + c[WHITE_KING] == 0 || c[BLACK_MAN] + c[BLACK_KING] == 0) return NO_MOVE;

    m_st.move_count.fill(0);
    m_st.capture_scratch.fill(0);
    m_extension.fill(0);
    m_root_side = game.trait == BLACK ? BLACK : WHITE;
    m_other_side = m_root_side == WHITE ? BLACK : WHITE;
    m_st.root_side = m_root_side;
    arret_demande = 0;
    m_st.ply = 1;
    m_quiet_plies = 0;
    m_root_reduction = 0;
    m_late_reduction = 0;
    m_promotion_extension = 0;
    // Each search learns its own history: a bench position or an analysed
    // ply must not depend on what was searched before it.
    m_st.history_ordering = true;
    for (auto& side_rows : *m_st.history)
        for (auto& row : side_rows) row.fill(0);
    const std::size_t played = std::min<std::size_t>(game.num_demi_coup, game.historique.size());
    m_line_keys = reversible_game_tail(m_st.board, std::span(game.historique.data(), played),
                                       m_root_side, m_st.keys);
    m_game_plies = static_cast<int>(m_line_keys.size()) - 1;
    m_line_keys.resize(m_line_keys.size() + NUM_PLY_LISTS + 2);
    m_reversible[1] = m_game_plies;
    m_st.material_balance = 0;
    // Last search's root scores belong to another position.
    m_st.previous_root_count = 0;
    m_st.follow_pv = 0;
    m_st.hint_from = m_st.hint_to = 0;
    best_root = 0;
    m_best_root_move = Move{};
    from_repertoire = false;
    root_values.clear();
    m_evaluation.prepare_evaluation(m_st, m_root_side);
    m_root_eval = m_evaluation.evaluate(m_st, m_root_side, -32000, 32000);

    const int n = generate_root_moves(m_st, m_root_side);
    if (n == 0) return NO_MOVE;
    if (n == 1 && (!game.analysis || game.num_demi_coup != game.demi_coup_depart)) {
        if (game.analysis) previous_score = UNSEARCHED_SCORE;
        if (!game.ponder) return SINGLE_MOVE;
    }
    if (const int index = repertoire_move(); index >= 0) {
        from_repertoire = true;
        return index;
    }
    return deepen();
}

int Search::repertoire_move() {
    const int h = game.num_demi_coup;
    const PieceCounts& c = m_st.counts;
    const bool full_board = c[WHITE_MAN] == 12 && c[BLACK_MAN] == 12;
    if (!game.repertoire_enabled || !repertoires) return -1;
    if (!((h < 3 && full_board) || (h >= 3 && h < 42))) return -1;
    const std::size_t played = std::min<std::size_t>(h, game.historique.size());
    const Candidates found =
        repertoire_lookup(repertoires->of(m_root_side), std::span(game.historique.data(), played));
    const Move* moves = m_st.list(1);
    std::vector<int> collected;
    for (int i = 0; i < m_st.move_count[1]; ++i)
        for (int k = 0; k < found.count; ++k)
            if (moves[i].from == found.moves[k].from && moves[i].to == found.moves[k].to)
                collected.push_back(i);
    if (collected.empty()) return -1;
    return collected[m_random() % collected.size()];
}

int Search::deepen() {
    int alpha = -32000;
    int beta = 32000;
    const std::uint32_t index_key = m_st.index_key;
    const std::uint32_t check_key = m_st.check_key;
    const std::uint32_t learned_key = m_st.learned_key;
    const RunningTerms terms = m_st.running_terms;
    m_prepared_score = -previous_score;
    m_fail_count = 0;
    m_seed_bound = 0;
    bool researching = false;
    int depth = 1;
    while (depth <= MAX_ITERATION) {
        m_st.iteration_depth = depth;
        const BoardArray board = m_st.board;
        const PieceCounts counts = m_st.counts;
        nodes = 0;
        iteration_counted = false;
        m_st.index_key = index_key;
        m_st.check_key = check_key;
        m_st.learned_key = learned_key;
        m_st.running_terms = terms;

        // Ahead at the last iteration (or, at the first, by the static score),
        // the root side plays on rather than bring a position back.
        const int standing = depth == 1 ? m_root_eval : previous_score;
        m_draw_score = standing > AHEAD_MARGIN ? -PLAY_ON_PENALTY : 0;

        int score = search_max(alpha, beta, 1);
        m_st.follow_pv = 1;
        m_st.board = board;
        m_st.counts = counts;
        m_st.running_terms = terms;
        total_nodes += nodes;
        iteration_counted = true;
        depth_reached = depth;

        bool repeat = false;
        if (researching && (score <= alpha || score >= beta)) {
            m_fail_count = 1;
            researching = false;
            alpha = -32000;
            beta = 32000;
        } else if (alpha < score && score < beta) {
            m_fail_count = 0;
            researching = false;
            if (score > -31000) alpha = score - ASPIRATION_WIDTH;
            if (score < 31000) beta = score + ASPIRATION_WIDTH;
        } else if (score <= alpha) {
            repeat = researching = true;
            m_fail_count = score > -30000 ? m_fail_count + 1 : 0;
            alpha = -32000;
            beta = score + ASPIRATION_WIDTH;
        } else {
            repeat = researching = true;
            m_fail_count = score < 30000 ? m_fail_count + 1 : 0;
            alpha = score - ASPIRATION_WIDTH;
            beta = 32000;
        }

        if (arret_demande) score = discard ? 0 : previous_score;
        previous_score = score;
        if (game.ponder) report_progress(score);
        m_seed_bound = std::max(depth, m_seed_bound - 4);
        seed_killers(m_st, score, m_seed_bound);

        const bool settled = m_fail_count != 1;
        bool stop = false;
        if (!game.ponder) {
            const std::int32_t now = m_clock.now_seconds();
            if (spent_on_move(now) > m_budget.target && settled && depth > 5) {
                seconds_used = saturate_seconds(now - m_move_start);
                stop = true;
            }
        }
        if (!stop && arret_demande) {
            if (discard) {
                previous_score = 0;
                return 0;
            }
            stop = true;
        }
        const std::int32_t B = game.budget_recherche;
        if (!stop && !game.ponder && B >= 1 && B <= 5 && depth == B + 1) stop = true;
        if (!stop && depth_limit > 0 && depth >= depth_limit && !repeat) stop = true;
        if (!stop && !game.ponder && score > 30000 && settled) stop = true;
        if (!stop && game.analysis && score < -30000 && settled) stop = true;
        if (stop) return best_root;
        if (hooks.poll) hooks.poll();
        if (!repeat) ++depth;
    }
    return best_root;
}

} // namespace selvako
