#include "search/search.h"

#include <algorithm>
#include <cstdlib>

#include "engine/killer_moves.h"
#include "engine/kings_against_men.h"
#include "engine/make_move.h"
#include "engine/move_generation.h"

namespace selvako {

// Everything a move changes, copied before the move loop and back after each
// move: the board is never unmade.
struct Search::Snapshot {
    BoardArray board;
    PieceCounts counts;
    std::uint32_t index_key;
    std::uint32_t check_key;
    std::uint32_t learned_key;
    std::int32_t material_balance;
    Square last_destination;
    RunningTerms running_terms;
    int quiet_plies;
    int root_reduction;
    int late_reduction;
    int promotion_extension;
};

Search::Search(EngineState& st, TranspositionTable& table, LearnedTable& learned,
               LeafEvaluation& evaluation, SearchClock& clock, std::uint32_t seed)
    : m_st(st), m_table(table), m_learned(learned), m_evaluation(evaluation), m_clock(clock),
      m_random(seed) {}

int Search::search_max(int alpha, int beta, int ply) {
    return search<true>(alpha, beta, ply);
}
int Search::search_min(int alpha, int beta, int ply) {
    return search<false>(alpha, beta, ply);
}

int Search::evaluate_here(int alpha, int beta) {
    return m_evaluation.evaluate(m_st, m_root_side, static_cast<Score>(alpha),
                                 static_cast<Score>(beta));
}

std::int32_t Search::spent_on_move(std::int32_t now) const {
    return saturate_seconds(now - m_move_start - m_used_before);
}

void Search::poll() {
    m_poll_counter = 0;
    if (!game.ponder) {
        const std::int32_t total = saturate_seconds(m_clock.now_seconds() - m_move_start);
        if (total - m_used_before > m_budget.maximum || total > m_budget.hard_limit)
            arret_demande = 1;
        seconds_used = total;
        if (hooks.show_clock) hooks.show_clock(total);
    }
    if (hooks.poll) hooks.poll();
}

bool Search::brings_back(int p) const {
    const int at = m_game_plies + p - 1;
    for (int back = 2; back <= m_reversible[p]; back += 2)
        if (m_line_keys[at - back] == m_line_keys[at]) return true;
    return false;
}

bool Search::repeats_game(const Move& move) const {
    const int h = game.num_demi_coup;
    const auto& hist = game.historique;
    if (h <= 5 || static_cast<int>(hist.size()) < h) return false;
    auto same = [](const PlayedMove& a, const PlayedMove& b) {
        return a.from == b.from && a.to == b.to;
    };
    return hist[h - 4].from == move.from && hist[h - 4].to == move.to &&
           same(hist[h - 1], hist[h - 5]) && same(hist[h - 2], hist[h - 6]);
}

void Search::store(int score, int ply, int code, const Move* move) {
    m_table.store_table(m_st.index_key, m_st.check_key, static_cast<Score>(score), ply,
                        code + game.trait, move ? move->from : 0, move ? move->to : 0,
                        game.num_demi_coup, m_st.iteration_depth + m_late_reduction,
                        total_pieces(m_st.counts));
}

namespace {
// From this move of a quiet node on, moves are first searched a ply shallower.
constexpr int LATE_MOVE = 3;
// From this one on, two plies shallower where four or more are left to go.
constexpr int VERY_LATE_MOVE = 8;
} // namespace

template <bool MAX> int Search::search(int alpha, int beta, int p) {
    ++nodes;
    if (++m_poll_counter > POLL_INTERVAL) poll();

    const PieceCounts& counts = m_st.counts;
    const int pieces = total_pieces(counts);
    const int depth = m_st.iteration_depth;

    const int side = MAX ? m_root_side : m_other_side;
    if (p > 1 && pieces <= MAX_PACKED_PIECES && databases) {
        if (const auto score = probe_database(*databases, m_st.board, counts, side, p))
            return *score;
        if (packed_databases)
            if (const auto score = probe_packed(*packed_databases, m_st.board, counts, side, p))
                return *score;
    }

    if (p > 2 && pieces > 3) {
        if (counts[WHITE_KING] > 0 && counts[BLACK_KING] == 0 && counts[BLACK_MAN] < 7) {
            if (kings_against_men(m_st.board, counts[BLACK_MAN], WHITE))
                return game.trait == WHITE ? 31001 : -31001;
        } else if (counts[BLACK_KING] > 0 && counts[WHITE_KING] == 0 && counts[WHITE_MAN] < 7) {
            if (kings_against_men(m_st.board, counts[WHITE_MAN], BLACK))
                return game.trait == WHITE ? -31001 : 31001;
        }
    }

    // A position brought back is a draw, whatever lies beyond it.
    m_line_keys[m_game_plies + p - 1] = {m_st.index_key, m_st.check_key};
    if (p > 1 && brings_back(p)) return m_draw_score;

    const int alpha_in = alpha;
    const int beta_in = beta;
    if (m_table.used_at(p)) {
        m_st.hint_from = m_st.hint_to = 0;
        TableHit hit;
        if (m_table.probe_table(m_st.index_key, m_st.check_key, p, game.num_demi_coup,
                                depth + m_late_reduction, game.trait, MAX, hit)) {
            if (hit.bound == Bound::Exact) return hit.score;
            if (hit.bound == Bound::Lower) {
                if (hit.score >= beta) return hit.score;
                alpha = hit.score;
            } else {
                if (hit.score <= alpha) return hit.score;
                beta = hit.score;
            }
            m_st.hint_from = hit.from;
            m_st.hint_to = hit.to;
        }
    }

    if (p > 1 && !m_learned.holds_no_score()) {
        const LearnedEntry* learned =
            m_learned.probe_learned(m_st.learned_key, m_st.check_key, side);
        if (learned && learned->score != 0) return MAX ? learned->score : -learned->score;
    }

    if (p >= 33) return evaluate_here(alpha, beta);
    m_st.ply = static_cast<std::int8_t>(p);
    // Plies still to go before the horizon at this node.
    const int left = depth - (p - m_extension[p] - reduction() - m_promotion_extension);
    const bool past_horizon = left < 0;
    // Most nodes lie past the horizon with nothing to take: they are scored
    // without generating and ordering a list nobody reads.
    const int n = past_horizon && !(MAX && p == 1) ? generate_moves_if_capture(m_st, side)
                                                   : generate_moves(m_st, side);
    if (n < 0) {
        m_evaluation.mark_leaf();
        return evaluate_here(alpha, beta);
    }
    const bool captures = m_st.greatest_taken > 0;
    const Move* moves = m_st.list(p);
    if (MAX && p == 1) {
        const std::int16_t initial =
            alpha < -29999 ? -32000 : static_cast<std::int16_t>(alpha - 500);
        for (int i = 0; i < n; ++i) m_st.previous_root[i] = {moves[i].from, moves[i].to, initial};
        m_st.previous_root_count = static_cast<MoveCount>(n);
        root_values.clear();
        // The list is generated anew and re-ordered at every iteration: until
        // this iteration finishes a root move, the answer is the same move as
        // before, wherever it now stands.
        best_root = find_root_move(moves, n, m_best_root_move);
    }

    if (!captures && past_horizon) {
        m_evaluation.mark_leaf();
        return evaluate_here(alpha, beta);
    }
    if (n == 0) return MAX ? p - WIN_SCORE : WIN_SCORE - p;

    m_extension[p + 1] = static_cast<std::uint8_t>(m_extension[p] + (captures ? 1 : 0));
    const Snapshot saved{
        m_st.board,       m_st.counts,           m_st.index_key,        m_st.check_key,
        m_st.learned_key, m_st.material_balance, m_st.last_destination, m_st.running_terms,
        m_quiet_plies,    m_root_reduction,      m_late_reduction,      m_promotion_extension};
    auto restore_position = [&] {
        m_st.board = saved.board;
        m_st.counts = saved.counts;
        m_st.index_key = saved.index_key;
        m_st.check_key = saved.check_key;
        m_st.learned_key = saved.learned_key;
        m_st.material_balance = saved.material_balance;
        m_st.last_destination = saved.last_destination;
        m_st.running_terms = saved.running_terms;
    };
    auto restore = [&] {
        restore_position();
        m_quiet_plies = saved.quiet_plies;
        m_root_reduction = saved.root_reduction;
        m_late_reduction = saved.late_reduction;
        m_promotion_extension = saved.promotion_extension;
    };
    auto better = [](int a, int b) { return MAX ? a > b : a < b; };
    const int other = MAX ? m_other_side : m_root_side;

    int best = MAX ? -WIN_SCORE : WIN_SCORE;
    const Move* best_move = nullptr;
    // The next ply's variation, emptied after each move.
    Move* const next_pv = p + 1 < NUM_PLY_LISTS ? &m_st.pv[p + 1][p + 1] : nullptr;
    // Each child's table slot is asked for while its elder brother is
    // searched: waiting for it at the child's probe cost an eighth of the time.
    const bool children_probe = m_table.used_at(p + 1);
    if (children_probe) m_table.prefetch(index_key_after(m_st, moves[0]));
    for (int i = 0; i < n; ++i) {
        const Move& move = moves[i];
        if (children_probe && i + 1 < n) m_table.prefetch(index_key_after(m_st, moves[i + 1]));
        if (MAX && p == 1 && !arret_demande) {
            note_root_value(i, move, i == 0 ? previous_score : m_last_root_value, true);
            if (-32000 < move.key && move.key < 32000 && -32001 < best && best < 32001) {
                // Moves that did badly last time, and every move once a clearly
                // winning one is in hand, are searched a ply or two shallower.
                m_root_reduction = 0;
                if (move.key < best - 200) m_root_reduction = -1;
                if (best > m_root_eval + 150 && best > previous_score + 150 && best > 200)
                    m_root_reduction = -2;
            }
        }

        m_st.ply = static_cast<std::int8_t>(p);
        if (arret_demande) {
            if (discard) return 0;
            break;
        }
        const std::uint8_t code = m_st.board[move.from];
        if (p == 1) m_evaluation.set_root_piece(code);
        if (i >= SEARCHED_MOVES_LIMIT) return evaluate_here(alpha, beta);

        m_quiet_plies = captures ? 0 : saved.quiet_plies + 1;
        m_promotion_extension = saved.promotion_extension == 2 ? 1 : 0;
        const bool advanced = code == own_man(side) &&
                              (side == BLACK ? move.to > 20 : move.to < 13) &&
                              !m_evaluation.opening_phase();
        (MAX ? m_advanced_max : m_advanced_min) = advanced;

        const bool promotes =
            (code == WHITE_MAN && move.to <= 4) || (code == BLACK_MAN && move.to >= 29);
        const bool first_king = promotes && counts[own_king(side)] == 0;
        make_move(m_st, move);
        if (first_king) {
            // A first king for a side that is not ahead is worth a closer look.
            const int balance = m_st.material_balance - (side == m_root_side ? 2 : -2);
            const bool level = code == BLACK_MAN ? (balance >= -4 && balance <= 0)
                                                 : (balance >= 0 && balance <= 4);
            if (level && p - m_extension[p + 1] - reduction() > depth - 2)
                m_promotion_extension = 2;
        }

        if (total_pieces(counts) > 6 && m_quiet_plies >= 2) {
            // Material behind, from the mover's side, in a quiet line near the
            // horizon: the move is scored statically instead of searched.
            const int behind = MAX ? m_st.material_balance : -m_st.material_balance;
            const int r = p - m_extension[p + 1] - reduction() - (advanced ? 1 : 0) -
                          m_promotion_extension;
            bool skip = false;
            if (behind < 0 && !m_advanced_max && !m_advanced_min && m_quiet_plies > depth / 2) {
                skip = true;
            } else if (depth - 4 < r) {
                if (behind < -3) {
                    const int value = evaluate_here(alpha, beta);
                    restore();
                    return value;
                }
                skip = behind == -3 || (behind == -2 && depth - 2 < r) ||
                       (behind == -1 && depth - 1 < r);
            }
            if (skip) {
                const int value = evaluate_here(alpha, beta);
                if (better(value, best)) best = value;
                restore();
                if (i == n - 1) return best;
                continue;
            }
        }

        if (counts[own_man(other)] + counts[own_king(other)] == 0) {
            restore();
            if (MAX && p == 1) {
                keep_best_root(i, move);
                update_pv(m_st, move, 1);
                std::copy(move.captured, move.captured + MAX_CAPTURED, m_st.pv[1][1].captured);
            }
            return MAX ? WIN_SCORE - p : p - WIN_SCORE;
        }

        m_reversible[p + 1] = code == own_king(side) && move.taken == 0 ? m_reversible[p] + 1 : 0;
        // A late quiet move is first searched a ply shallower; only one that
        // then beats the bound is searched again at full depth.
        const bool late =
            p > 1 && i >= LATE_MOVE && !captures && !promotes && !advanced && left >= 2;
        auto search_late = [&](int a, int b) {
            m_late_reduction = saved.late_reduction - (i >= VERY_LATE_MOVE && left >= 4 ? 2 : 1);
            int value = MAX ? search_min(a, b, p + 1) : search_max(a, b, p + 1);
            m_late_reduction = saved.late_reduction;
            if (MAX ? value > a : value < b) {
                restore_position();
                make_move(m_st, move);
                value = MAX ? search_min(a, b, p + 1) : search_max(a, b, p + 1);
            }
            return value;
        };
        int v = 0;
        const bool prepared = MAX && p == 1 && game.analysis &&
                              game.num_demi_coup < game.demi_coup_depart &&
                              game.num_demi_coup < static_cast<int>(game.historique.size()) &&
                              game.historique[game.num_demi_coup].from == move.from &&
                              game.historique[game.num_demi_coup].to == move.to;
        if (prepared) {
            v = m_prepared_score;
        } else if (MAX) {
            if (i == 0) {
                v = search_min(alpha, beta, p + 1);
            } else {
                v = late ? search_late(alpha, alpha + 1) : search_min(alpha, alpha + 1, p + 1);
                if (alpha < v && v < beta && -30999 <= v && v < 31000) {
                    restore_position();
                    make_move(m_st, move);
                    v = search_min(v - 1, beta, p + 1);
                }
            }
        } else {
            if (i == 0) {
                v = search_max(alpha, beta, p + 1);
            } else {
                v = late ? search_late(beta - 1, beta) : search_max(beta - 1, beta, p + 1);
                if (alpha < v && v < beta && -30999 <= v && v < 31000) {
                    restore_position();
                    make_move(m_st, move);
                    v = search_max(alpha, v + 1, p + 1);
                }
            }
        }
        m_st.follow_pv = 0;

        if (MAX && p == 1) {
            if (game.num_demi_coup > 5 && repeats_game(move) && std::abs(v) < 30000)
                v = m_draw_score;
            const int root_score = v > best ? v + 2 * i + 200 : (v < best ? v - 300 : v - 200);
            m_st.previous_root[i].score = static_cast<std::int16_t>(root_score);
        }
        restore();

        if (better(v, best) && !arret_demande) {
            best = v;
            best_move = &move;
            update_pv(m_st, move, p);
            if (MAX && p == 1) {
                keep_best_root(i, move);
                std::copy(move.captured, move.captured + MAX_CAPTURED, m_st.pv[1][1].captured);
            }
        }
        if (MAX && p == 1 && !arret_demande) {
            const bool last = i == n - 1;
            note_root_value(i, move, v, false);
            m_last_root_value = v;
            if (!game.ponder) {
                if (last) ++m_st.iteration_depth;
                report_progress(best);
                if (last) --m_st.iteration_depth;
            }
        }

        // At the root a move above alpha is above best too and was recorded
        // as the best root move above; after a stop its value is only what the
        // interrupted subtree had seen, and it must not name the answer.
        if (better(v, MAX ? alpha : beta)) {
            (MAX ? alpha : beta) = v;
            const bool decisive_enough = MAX ? v >= -29999 : v <= 29999;
            if (alpha >= beta && !arret_demande && decisive_enough) {
                if (!captures && n > 1) {
                    store_killer(m_st, move, v, p);
                    // Saturates rather than wrap in a search of hours.
                    std::uint32_t& count = (*m_st.history)[side][move.from][move.to];
                    count = static_cast<std::uint32_t>(std::min<std::uint64_t>(
                        std::uint64_t{count} + static_cast<std::uint64_t>((left + 1) * (left + 1)),
                        UINT32_MAX));
                }
                if (m_table.used_at(p)) {
                    const int code_base = MAX ? (v > 30000 ? CODE_MAX_DECISIVE : CODE_MAX_LOWER)
                                              : (v < -30000 ? CODE_MIN_DECISIVE : CODE_MIN_UPPER);
                    store(v, p, code_base, &move);
                }
                return v;
            }
            if (n > 1) store_alternative(m_st, move, p);
        }
        if (next_pv) next_pv->from = 0;
    }

    if (m_table.used_at(p) && !arret_demande && p < m_extension[p] + depth + reduction()) {
        if (MAX) {
            if (best > alpha_in) {
                store(best, p, best > 30000 ? CODE_MAX_DECISIVE : CODE_MAX_EXACT, best_move);
            } else {
                if (best < -30000) store(best, p, CODE_MAX_DECISIVE, best_move);
                store(best, p, CODE_MAX_UPPER, best_move);
            }
        } else {
            if (best < beta_in) {
                store(best, p, best < -30000 ? CODE_MIN_DECISIVE : CODE_MIN_EXACT, best_move);
            } else {
                if (best > 30000) store(best, p, CODE_MIN_DECISIVE, best_move);
                store(best, p, CODE_MIN_LOWER, best_move);
            }
        }
    }
    return best;
}

void Search::keep_best_root(int index, const Move& move) {
    best_root = index;
    m_best_root_move = move;
}

int Search::find_root_move(const Move* moves, int n, const Move& wanted) {
    for (int i = 0; i < n; ++i) {
        const Move& m = moves[i];
        // A king's captures can share both ends and differ in the men taken.
        if (same_squares(m, wanted) && m.taken == wanted.taken &&
            std::equal(m.captured, m.captured + m.taken, wanted.captured))
            return i;
    }
    return 0;
}

void Search::note_root_value(int index, const Move& move, int value, bool being_searched) {
    if (static_cast<int>(root_values.size()) <= index) root_values.resize(index + 1);
    root_values[index] = {move, value, being_searched};
}

std::vector<Move> Search::principal_variation() const {
    std::vector<Move> line;
    const auto& row = m_st.pv[1];
    for (int ply = 1; ply <= 32 && row[ply].from != 0; ++ply) line.push_back(row[ply]);
    return line;
}

void Search::report_progress(int score) {
    // The clock is read whether or not anyone listens: a clock driven by hand
    // moves at each reading, and the search must not depend on the listener.
    std::optional<std::int32_t> seconds;
    if (!game.ponder) seconds = spent_on_move(m_clock.now_seconds());
    if (!hooks.show_progress) return;
    SearchProgress progress;
    progress.depth = m_st.iteration_depth;
    progress.nodes = nodes;
    progress.seconds = seconds;
    progress.score = score;
    progress.num_demi_coup = game.num_demi_coup;
    progress.pv = principal_variation();
    progress.root_moves = root_values;
    hooks.show_progress(progress);
}

template int Search::search<true>(int, int, int);
template int Search::search<false>(int, int, int);

} // namespace selvako
