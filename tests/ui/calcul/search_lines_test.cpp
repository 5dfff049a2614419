// The "Calcul" page's wording of the search's figures.

#include <gtest/gtest.h>

#include "engine/fen.h"
#include "ui/calcul/search_lines.h"

namespace selvako {
namespace {

Move move(const char* from, const char* to, int taken = 0) {
    Move m;
    m.from = parse_square(from);
    m.to = parse_square(to);
    m.taken = static_cast<std::uint8_t>(taken);
    return m;
}

TEST(SearchLines, FiguresThenTheLineOfPlayTwoPliesALine) {
    SearchProgress p;
    p.depth = 7;
    p.nodes = 123456;
    p.seconds = 4;
    p.score = -25; // halved toward zero
    p.num_demi_coup = 3;
    p.pv = {move("c3", "d4"), move("f6", "e5"), move("d4", "f6", 1)};
    EXPECT_EQ(search_lines(p),
              (std::vector<std::string>{"Profondeur :     7", "Noeuds :   123456",
                                        "Temps :      4 s", "Noeuds/s :    30864", "Score :   -12",
                                        "Coups :   2", "c3 - d4 , f6 - e5", "d4 x f6"}));
}

TEST(SearchLines, NoRateBeforeASecondAndNoTimeWhilePondering) {
    SearchProgress p;
    p.seconds = 0;
    EXPECT_EQ(search_lines(p)[3], "Noeuds/s : //");
    p.seconds.reset();
    EXPECT_EQ(search_lines(p), (std::vector<std::string>{"Profondeur :     0", "Noeuds :        0",
                                                         "Score :     0", "Coups :   1"}));
}

TEST(SearchLines, RootMovesShowHalfTheirValueAndTheOneBeingSearched) {
    SearchProgress p;
    p.root_moves = {{move("c3", "d4"), 25, false}, {move("a3", "b4"), -600, true}};
    EXPECT_EQ(root_lines(p), (std::vector<std::string>{"c3-d4 :    12", "a3-b4 :  -300 ?<---"}));
}

} // namespace
} // namespace selvako
