#include "engine/killer_moves.h"

namespace selvako {

namespace {

bool odd(int ply) {
    return ply % 2 == 1;
}

} // namespace

void store_killer(EngineState& st, const Move& move, int score, int ply) {
    auto& k = st.killers[ply];
    if (same_squares(move, k[0])) return;
    const auto better = [ply](int a, int b) { return odd(ply) ? a > b : a < b; };
    Move entry;
    entry.from = move.from;
    entry.to = move.to;
    entry.key = static_cast<std::int16_t>(score);
    if (better(score, k[0].key)) {
        k[1] = k[0];
        k[0] = entry;
    } else if (better(score, k[1].key)) {
        k[1] = entry;
    }
}

void store_alternative(EngineState& st, const Move& move, int ply) {
    if (same_squares(move, st.killers[ply][0])) return;
    st.alternatives[ply].from = move.from;
    st.alternatives[ply].to = move.to;
}

void clear_killers_at(EngineState& st, int ply) {
    const std::int16_t worst = odd(ply) ? -32000 : 32000;
    for (Move& m : st.killers[ply]) {
        m = Move{};
        m.key = worst;
    }
}

void seed_killers(EngineState& st, int score, int bound) {
    int i = 1;
    for (; i < NUM_PLY_LISTS && i <= bound && st.pv[1][i].from != 0; ++i) {
        const Move& m = st.pv[1][i];
        clear_killers_at(st, i);
        if (m.taken > 0) continue;
        Move& first = st.killers[i][0];
        first.from = m.from;
        first.to = m.to;
        first.key = static_cast<std::int16_t>(odd(i) ? score - 290 : score + 290);
    }
    for (; i < NUM_PLY_LISTS; ++i) clear_killers_at(st, i);
}

void update_pv(EngineState& st, const Move& move, int ply) {
    auto& row = st.pv[ply];
    Move& head = row[ply];
    head.from = move.from;
    head.to = move.to;
    head.taken = move.taken;
    head.captured[0] = move.captured[0];
    int j = ply + 1;
    if (ply + 1 < NUM_PLY_LISTS) {
        const auto& next = st.pv[ply + 1];
        for (; j < NUM_PLY_LISTS && next[j].from != 0; ++j) row[j] = next[j];
        st.pv[ply + 1][ply + 1].from = 0;
    }
    if (j < NUM_PLY_LISTS) row[j].from = 0;
}

} // namespace selvako
