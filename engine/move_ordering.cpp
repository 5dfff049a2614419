#include "engine/move_ordering.h"

#include <algorithm>
#include <bit>

namespace selvako {

namespace {

void sort_by_key(Move* moves, int count) {
    std::sort(moves, moves + count, [](const Move& a, const Move& b) { return a.key > b.key; });
}

// The variation keeps all but the last captured square only for its ply-1
// entry; deeper entries hold the first one and stale bytes after it, which is
// what the generator has always compared against.
bool matches_pv_move(const Move& move, const Move& pv_move) {
    if (!same_squares(move, pv_move)) return false;
    for (int i = 0; i + 1 < move.taken; ++i)
        if (move.captured[i] != pv_move.captured[i]) return false;
    return true;
}

// A quiet move that no killer names: in list order, or after the moves whose
// history counts more (by powers of two, list order within each).
std::int16_t plain_key(const EngineState& st, const Move& move, int j) {
    if (!st.history_ordering) return static_cast<std::int16_t>(80 - j);
    const int side = st.ply % 2 == 1 ? st.root_side : (st.root_side == WHITE ? BLACK : WHITE);
    const std::uint32_t count = (*st.history)[side][move.from][move.to];
    const int level = static_cast<int>(std::bit_width(count));
    return static_cast<std::int16_t>(80 - j - (32 - level) * 50);
}

} // namespace

void apply_killer_ordering(EngineState& st, int count) {
    const int p = st.ply;
    Move* moves = st.current_list();
    const bool first_is_capture = count > 0 && moves[0].taken > 0;
    if (st.history_ordering)
        for (int j = 0; j < count; ++j)
            if (moves[j].key != HINT_KEY) moves[j].key = plain_key(st, moves[j], j);
    for (int i = 0; p - i > 0 && p + i < NUM_PLY_LISTS && i <= 6; i += 2) {
        const int q = p - i;
        const Move& killer1 = st.killers[q][0];
        const Move& killer2 = st.killers[q][1];
        if (killer1.from == 0) continue;
        const bool use_killer1 = !first_is_capture;
        bool killer1_matched = false;
        bool killer2_matched = false;
        bool hint_seen = false;
        for (int j = 0; j < count; ++j) {
            Move& m = moves[j];
            if (m.key == HINT_KEY) {
                hint_seen = true;
                continue;
            }
            m.key = plain_key(st, m, j);
            if (use_killer1 && !killer1_matched && same_squares(m, killer1)) {
                m.key = 250;
                killer1_matched = true;
            } else if (!killer2_matched && killer2.from != 0 && same_squares(m, killer2)) {
                m.key = 200;
                killer2_matched = true;
            } else if (st.alternatives[p + i].from != 0 &&
                       same_squares(m, st.alternatives[p + i])) {
                m.key = static_cast<std::int16_t>(150 - j);
            }
        }
        if (killer1_matched || killer2_matched || hint_seen) break;
    }
    sort_by_key(moves, count);
    for (int j = 0; j < count; ++j) moves[j].key = 0;
}

void apply_root_ordering(EngineState& st, int count) {
    Move* moves = st.current_list();
    for (int l = 0; l < count; ++l) {
        for (int r = 0; r < st.previous_root_count; ++r) {
            const RootEntry& e = st.previous_root[r];
            if (e.from == moves[l].from && e.to == moves[l].to) {
                moves[l].key = static_cast<std::int16_t>(e.score - l);
                break;
            }
        }
    }
    sort_by_key(moves, count);
}

void order_moves(EngineState& st, int count, bool captures) {
    const int p = st.ply;
    const bool deep_enough = p < st.iteration_depth - 2;
    Move* moves = st.current_list();
    if (captures) {
        if (st.follow_pv && count >= 2) {
            for (int j = 0; j < count; ++j)
                moves[j].key = matches_pv_move(moves[j], st.pv[1][p])
                                   ? 100
                                   : static_cast<std::int16_t>(80 - j);
            sort_by_key(moves, count);
        } else if (count >= 2 && deep_enough) {
            apply_killer_ordering(st, count);
        }
        return;
    }
    if ((st.hint_from != 0) && deep_enough) {
        for (int j = 0; j < count; ++j)
            if (moves[j].from == st.hint_from && moves[j].to == st.hint_to) {
                moves[j].key = HINT_KEY;
                break;
            }
    }
    if (p > 1 && count >= 2 && deep_enough)
        apply_killer_ordering(st, count);
    else if (p == 1)
        apply_root_ordering(st, count);
}

} // namespace selvako
