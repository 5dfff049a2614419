#include <gtest/gtest.h>

#include "engine/killer_moves.h"

namespace selvako {
namespace {

Move plain(Square from, Square to) {
    Move m;
    m.from = from;
    m.to = to;
    return m;
}

Move capture(Square from, Square to, Square over) {
    Move m = plain(from, to);
    m.taken = 1;
    m.captured[0] = over;
    return m;
}

TEST(Killers, BetterScoresPushDownAndOddEvenPliesMirror) {
    EngineState st;
    st.reset_killers_and_alternatives();
    store_killer(st, plain(22, 18), 10, 3);
    store_killer(st, plain(23, 19), 50, 3);
    EXPECT_EQ(st.killers[3][0].from, 23);
    EXPECT_EQ(st.killers[3][1].from, 22);
    store_killer(st, plain(24, 20), 20, 3); // between the two: replaces the second
    EXPECT_EQ(st.killers[3][1].from, 24);
    store_killer(st, plain(23, 19), 99, 3); // already first: nothing
    EXPECT_EQ(st.killers[3][0].key, 50);

    // At an even ply a better killer is a lower score.
    store_killer(st, plain(9, 13), -10, 4);
    store_killer(st, plain(10, 14), 40, 4);
    EXPECT_EQ(st.killers[4][0].from, 9);
    EXPECT_EQ(st.killers[4][1].from, 10);
}

TEST(Killers, AlternativeIsNeverTheFirstKiller) {
    EngineState st;
    st.reset_killers_and_alternatives();
    store_killer(st, plain(22, 18), 10, 5);
    store_alternative(st, plain(22, 18), 5);
    EXPECT_EQ(st.alternatives[5].from, 0);
    store_alternative(st, plain(21, 17), 5);
    EXPECT_EQ(st.alternatives[5].from, 21);
}

TEST(PrincipalVariation, UpdateTakesTheDeeperLine) {
    EngineState st;
    st.pv[3][3] = plain(9, 13);
    st.pv[3][4] = plain(22, 18);
    st.pv[3][5].from = 0;
    st.pv[2][4].from = 30; // stale entry that must be cut off
    update_pv(st, capture(21, 14, 17), 2);
    EXPECT_EQ(st.pv[2][2].from, 21);
    EXPECT_EQ(st.pv[2][2].taken, 1);
    EXPECT_EQ(st.pv[2][2].captured[0], 17);
    EXPECT_EQ(st.pv[2][3].from, 9);
    EXPECT_EQ(st.pv[2][4].from, 22);
    EXPECT_EQ(st.pv[2][5].from, 0);
    EXPECT_EQ(st.pv[3][3].from, 0);
}

TEST(Killers, SeedingFromTheVariation) {
    EngineState st;
    st.reset_killers_and_alternatives();
    st.pv[1][1] = plain(22, 18);
    st.pv[1][2] = capture(13, 22, 18);
    st.pv[1][3] = plain(26, 17);
    st.pv[1][4] = plain(9, 13);
    st.pv[1][5].from = 0;
    store_killer(st, plain(31, 27), 5, 2);
    store_killer(st, plain(30, 25), 5, 7);
    seed_killers(st, 100, 3);
    EXPECT_EQ(st.killers[1][0].from, 22);
    EXPECT_EQ(st.killers[1][0].key, -190);
    EXPECT_EQ(st.killers[1][1].from, 0);
    EXPECT_EQ(st.killers[1][1].key, -32000);
    EXPECT_EQ(st.killers[2][0].from, 0); // a capture clears its ply
    EXPECT_EQ(st.killers[2][0].key, 32000);
    EXPECT_EQ(st.killers[3][0].from, 26);
    // Beyond the bound every ply is cleared, even where the variation goes on.
    EXPECT_EQ(st.killers[4][0].from, 0);
    EXPECT_EQ(st.killers[7][0].from, 0);
    EXPECT_EQ(st.killers[7][0].key, -32000);
}

} // namespace
} // namespace selvako
