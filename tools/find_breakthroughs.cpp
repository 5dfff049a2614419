// Searches small formations of white men in Black's half against a few black
// men in which White, to move, crowns by force while Black, to move, holds,
// and in which every man matters. Prints them as catalogue lines for
// eval/breakthrough_catalogue.h; the team picks from them.
//
//   find_breakthroughs [MAX_WHITE_MOVES]

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "breakthrough_solver.h"

namespace {

using namespace selvako;

struct Found {
    std::vector<int> white, black;
    int moves;
};

bool holds(const std::vector<int>& white, const std::vector<int>& black, int limit, int* moves) {
    EngineState st;
    BoardArray b = empty_board();
    for (int s : white) b[s] = WHITE_MAN;
    for (int s : black) b[s] = BLACK_MAN;
    st.set_position(b);
    *moves = breakthrough::moves_to_crown(st, limit);
    if (*moves == 0) return false;
    st.set_position(b);
    return breakthrough::moves_to_crown_after_black(st, limit) == 0;
}

void add_square(std::string& text, char kind, int square) {
    text += kind;
    text += std::to_string(square);
    text += ' ';
}

std::string formation_text(const Found& f) {
    int lowest_row = 0, min_file = 7, max_file = 0;
    std::string text;
    std::vector<bool> used(33, false);
    for (int s : f.white) {
        add_square(text, 'W', s);
        used[s] = true;
    }
    for (int s : f.black) {
        add_square(text, 'B', s);
        used[s] = true;
    }
    for (int s = 1; s <= 32; ++s) {
        if (!used[s]) continue;
        lowest_row = std::max(lowest_row, square_row_from_top(static_cast<Square>(s)));
        min_file = std::min(min_file, square_file(static_cast<Square>(s)));
        max_file = std::max(max_file, square_file(static_cast<Square>(s)));
    }
    // The squares the play runs over: the rows from the men to the crown and
    // one row below, the files of the men and one either side.
    for (int s = 1; s <= 32; ++s) {
        const int r = square_row_from_top(static_cast<Square>(s));
        const int file = square_file(static_cast<Square>(s));
        if (!used[s] && r <= lowest_row + 1 && file >= min_file - 1 && file <= max_file + 1)
            add_square(text, 'E', s);
    }
    text.pop_back();
    return text;
}

} // namespace

int main(int argc, char** argv) {
    const int limit = argc > 1 ? std::atoi(argv[1]) : 3;
    std::vector<Found> found;
    // Two white men on rows 6 to 4 against one to three black men in their half.
    for (int w1 = 9; w1 <= 20; ++w1)
        for (int w2 = w1 + 1; w2 <= 20; ++w2)
            for (int b1 = 1; b1 <= 16; ++b1)
                for (int b2 = b1; b2 <= 16; ++b2)
                    for (int b3 = b2; b3 <= 16; ++b3) {
                        std::vector<int> black = {b1};
                        if (b2 != b1) black.push_back(b2);
                        if (b3 != b2) black.push_back(b3);
                        if (b2 == b1 && b3 != b2) continue;
                        bool clash = false;
                        for (int b : black) clash |= b == w1 || b == w2;
                        if (clash) continue;
                        const std::vector<int> white = {w1, w2};
                        int moves = 0;
                        if (!holds(white, black, limit, &moves)) continue;
                        // Every man matters: without any one of them the formation fails.
                        bool minimal = true;
                        for (std::size_t k = 0; k < white.size() && minimal; ++k) {
                            std::vector<int> fewer = white;
                            fewer.erase(fewer.begin() + static_cast<long>(k));
                            int m = 0;
                            minimal = !holds(fewer, black, limit, &m);
                        }
                        for (std::size_t k = 0; k < black.size() && minimal; ++k) {
                            std::vector<int> fewer = black;
                            fewer.erase(fewer.begin() + static_cast<long>(k));
                            int m = 0;
                            minimal = !holds(white, fewer, limit, &m);
                        }
                        if (minimal) found.push_back({white, black, moves});
                    }
    for (const Found& f : found)
        std::printf("    {\"%s\", %d},\n", formation_text(f).c_str(),
                    f.moves <= 2   ? 180
                    : f.moves == 3 ? 120
                                   : 80);
    std::fprintf(stderr, "%zu formations\n", found.size());
    return 0;
}
