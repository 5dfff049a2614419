#include <gtest/gtest.h>

#include "eval/breakthrough_catalogue.h"
#include "eval/pattern_terms.h"
#include "tools/breakthrough_solver.h"

namespace selvako {
namespace {

// Every formation found by the tool, set up alone on the board, is what its
// amount says: White to move crowns in two (180) or three (120) moves and
// keeps the king, and Black to move holds. A formation mistyped into the
// catalogue fails here.
TEST(BreakthroughCatalogue, FoundFormationsBreakThroughAlone) {
    constexpr auto formations = compile_formations(BREAKTHROUGH_TEXT);
    ASSERT_GE(formations.size() - FIRST_FOUND_FORMATION, 40u);
    for (std::size_t i = FIRST_FOUND_FORMATION; i < formations.size(); ++i) {
        const Formation& f = formations[i];
        BoardArray b = empty_board();
        for (int s = 1; s <= 32; ++s) {
            if (f.white_men & (1u << (s - 1))) b[s] = WHITE_MAN;
            if (f.black_men & (1u << (s - 1))) b[s] = BLACK_MAN;
        }
        EngineState st;
        st.set_position(b);
        const int moves = breakthrough::moves_to_crown(st, 3);
        EXPECT_EQ(f.amount, moves == 0   ? 0
                            : moves <= 2 ? 180
                                         : 120)
            << BREAKTHROUGH_TEXT[i].squares;
        st.set_position(b);
        EXPECT_EQ(breakthrough::moves_to_crown_after_black(st, 3), 0)
            << BREAKTHROUGH_TEXT[i].squares;

        // The matcher finds it for White to move and its mirror for Black.
        const PieceCounts c = count_pieces(b);
        EXPECT_GT(breakthrough_patterns(PatternBoard{b, c, 1, 0}, WHITE), 0);
        BoardArray m = empty_board();
        for (int s = 1; s <= 32; ++s)
            m[s] = b[33 - s] == WHITE_MAN ? BLACK_MAN : b[33 - s] == BLACK_MAN ? WHITE_MAN : EMPTY;
        const PieceCounts cm = count_pieces(m);
        EXPECT_LT(breakthrough_patterns(PatternBoard{m, cm, 2, 0}, WHITE), 0);
    }
}

TEST(BreakthroughCatalogue, NoFormationRepeats) {
    constexpr auto formations = compile_formations(BREAKTHROUGH_TEXT);
    for (std::size_t i = 0; i < formations.size(); ++i)
        for (std::size_t j = i + 1; j < formations.size(); ++j) {
            const Formation& a = formations[i];
            const Formation& b = formations[j];
            EXPECT_FALSE(a.white_men == b.white_men && a.black_men == b.black_men &&
                         a.empty == b.empty && a.occupied == b.occupied &&
                         a.no_white_man == b.no_white_man && a.no_black_man == b.no_black_man)
                << BREAKTHROUGH_TEXT[i].squares;
        }
}

} // namespace
} // namespace selvako
