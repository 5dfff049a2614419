#include <gtest/gtest.h>

#include "search_harness.h"
#include "tests/engine/turned_position.h"

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
    {"B:Wa5,h4,a3,c3,e3,g3,b2,d2,a1,e1:Bb8,a7,c7,e7,g7,d6,f6,h6,c5,g5", "g5-f4",
     "g5-f4 g3xe5, f6xf2 e1xg3, c5-d4 c3xe5, d6xh2: two shots in a row, then h2-g1"},
};

TEST(Tactics, ShotsAreFoundAtModestDepthForEitherColour) {
    for (const Shot& shot : SHOTS) {
        for (const bool mirror : {false, true}) {
            testing::SearchHarness h;
            const std::string fen = mirror ? testing::turned_fen(shot.fen) : shot.fen;
            h.set(fen.c_str());
            h.search.depth_limit = 6;
            const int chosen = h.search.choose_move();
            const std::string expected =
                mirror ? testing::turned_move(shot.first_move) : shot.first_move;
            EXPECT_EQ(h.chosen_text(chosen), expected) << shot.idea << (mirror ? " (turned)" : "");
            EXPECT_GE(h.search.previous_score, 400) << shot.idea;
        }
    }
}

} // namespace
} // namespace selvako
