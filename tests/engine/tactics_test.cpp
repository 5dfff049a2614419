#include <gtest/gtest.h>

#include "search_harness.h"

namespace selvako {
namespace {

struct Shot {
    const char* fen;
    const char* first_move;
    const char* idea;
};

// Both shots give men away so that the forced replies open a path to the far row.
const Shot SHOTS[] = {
    {"B:Wd4,a3,b2,d2,f2,h2,a1,c1,e1:Bb8,d8,f8,a7,e7,f6,h6,a5,f4", "f4-e3",
     "f4-e3 d2xf4, f6-e5 f4xd6, e7xg1: two men for a king"},
    {"B:Wf4,h4,a3,e3,d2,f2,h2,a1,c1,g1:Bb8,d8,f8,h8,c7,g7,f6,h6,c5,g5", "c5-d4",
     "c5-d4 e3xc5, g5xe3 f2xd4, f6-g5 h4xf6, g7xe1: a king through the gap"},
};

// The same position turned round with the colours exchanged.
std::string turned(const char* fen) {
    const auto parsed = parse_fen(fen);
    Position p;
    constexpr std::uint8_t swap[5] = {0, BLACK_MAN, BLACK_KING, WHITE_MAN, WHITE_KING};
    for (int s = 1; s <= 32; ++s) p.board[33 - s] = swap[parsed.position->board[s]];
    p.side_to_move = 1 - parsed.position->side_to_move;
    return to_fen(p);
}

std::string turned_move(const std::string& text) {
    const Square from = parse_square(text.substr(0, 2));
    const Square to = parse_square(text.substr(3, 2));
    return move_text(static_cast<Square>(33 - from), static_cast<Square>(33 - to), text[2] == 'x');
}

TEST(Tactics, ShotsAreFoundAtModestDepthForEitherColour) {
    for (const Shot& shot : SHOTS) {
        for (const bool mirror : {false, true}) {
            testing::SearchHarness h;
            const std::string fen = mirror ? turned(shot.fen) : shot.fen;
            h.set(fen.c_str());
            h.search.depth_limit = 6;
            const int chosen = h.search.choose_move();
            const std::string expected = mirror ? turned_move(shot.first_move) : shot.first_move;
            EXPECT_EQ(h.chosen_text(chosen), expected) << shot.idea << (mirror ? " (turned)" : "");
            EXPECT_GE(h.search.previous_score, 400) << shot.idea;
        }
    }
}

} // namespace
} // namespace selvako
