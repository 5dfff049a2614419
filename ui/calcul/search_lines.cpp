#include "ui/calcul/search_lines.h"

#include <cstdio>

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

std::vector<std::string> search_lines(const SearchProgress& progress) {
    std::vector<std::string> lines;
    lines.push_back(format("Profondeur : %5d", progress.depth));
    lines.push_back(format("Noeuds : %8d", static_cast<int>(progress.nodes)));
    if (progress.seconds) {
        const std::int32_t spent = *progress.seconds;
        lines.push_back(format("Temps : %6d s", spent));
        if (spent > 0)
            lines.push_back(
                format("Noeuds/s : %8d",
                       static_cast<int>(progress.nodes / static_cast<std::uint32_t>(spent))));
        else
            lines.push_back("Noeuds/s : //");
    }
    lines.push_back(format("Score : %5d", progress.score / 2));
    lines.push_back(format("Coups : %3d", (progress.num_demi_coup + 2) / 2));
    const std::vector<Move>& pv = progress.pv;
    for (std::size_t i = 0; i < pv.size(); i += 2) {
        const Move& mine = pv[i];
        if (i + 1 < pv.size()) {
            const Move& reply = pv[i + 1];
            lines.push_back(format("%s %s %s , %s %s %s", name(mine.from), joint(mine),
                                   name(mine.to), name(reply.from), joint(reply), name(reply.to)));
        } else {
            lines.push_back(format("%s %s %s", name(mine.from), joint(mine), name(mine.to)));
        }
    }
    return lines;
}

std::vector<std::string> root_lines(const SearchProgress& progress) {
    std::vector<std::string> lines;
    lines.reserve(progress.root_moves.size());
    for (const RootMoveValue& root : progress.root_moves)
        lines.push_back(root_move_line(root.move, root.value / 2, root.being_searched));
    return lines;
}

} // namespace selvako
