#include "engine/move.h"

#include <cstdio>

namespace selvako {

std::string move_text(Square from, Square to, bool capture) {
    std::string text(SQUARE_NAMES[from]);
    text += capture ? 'x' : '-';
    text += SQUARE_NAMES[to];
    return text;
}

std::string move_text(const Move& move) {
    return move_text(move.from, move.to, move.taken > 0);
}

std::string root_move_line(const Move& move, int shown_score, bool being_searched) {
    char line[40];
    const char* format = move.taken > 0 ? (being_searched ? "%sx%s : %5d ?<---" : "%sx%s : %5d")
                                        : (being_searched ? "%s-%s : %5d ?<---" : "%s-%s : %5d");
    std::snprintf(line, sizeof line, format, SQUARE_NAMES[move.from].data(),
                  SQUARE_NAMES[move.to].data(), shown_score);
    return line;
}

} // namespace selvako
