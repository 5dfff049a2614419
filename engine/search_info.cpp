#include <cstdio>

#include "engine/search.h"

namespace selvako {

namespace {

template <class... Args> std::string format(const char* pattern, Args... args) {
    char line[96];
    std::snprintf(line, sizeof line, pattern, args...);
    return line;
}

const char* name(Square s) {
    return SQUARE_NAMES[s].data();
}
const char* joint(const Move& m) {
    return m.taken > 0 ? "x" : "-";
}

} // namespace

void Search::show_root_line(int index, const Move& move, int value, bool being_searched) {
    auto& lines = info.root_lines;
    if (static_cast<int>(lines.size()) <= index) lines.resize(index + 1);
    lines[index] = root_move_line(move, value, being_searched);
}

void Search::show_search_info(int score) {
    auto& lines = info.lines;
    lines.clear();
    lines.push_back(format("Profondeur : %5d", m_st.iteration_depth));
    lines.push_back(format("Noeuds : %8d", static_cast<int>(nodes)));
    if (!game.ponder) {
        const std::int32_t spent = spent_on_move(m_clock.now_seconds());
        lines.push_back(format("Temps : %6d s", spent));
        if (spent > 0)
            lines.push_back(format("Noeuds/s : %8d", static_cast<int>(nodes / spent)));
        else
            lines.push_back("Noeuds/s : //");
    }
    lines.push_back(format("Score : %5d", score / 2));
    lines.push_back(format("Coups : %3d", (game.num_demi_coup + 2) / 2));
    const auto& row = m_st.pv[1];
    for (int ply = 1; ply <= 32 && row[ply].from != 0; ply += 2) {
        const Move& mine = row[ply];
        const Move& reply = row[ply + 1];
        if (reply.from != 0)
            lines.push_back(format("%s %s %s , %s %s %s", name(mine.from), joint(mine),
                                   name(mine.to), name(reply.from), joint(reply), name(reply.to)));
        else
            lines.push_back(format("%s %s %s", name(mine.from), joint(mine), name(mine.to)));
        if (reply.from == 0) break;
    }
    if (hooks.show_info) hooks.show_info(info);
}

} // namespace selvako
