#include "engine/move_ordering.h"
#include "tests/engine/rules_fixture.h"

namespace selvako {
namespace {

Move squares(Square from, Square to) {
    Move m;
    m.from = from;
    m.to = to;
    return m;
}

std::vector<std::string> ordered_moves(EngineState& st, int side) {
    const int n = generate_moves(st, side);
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) out.push_back(testing::describe(st.current_list()[i]));
    return out;
}

// A state searching at ply `ply` of an iteration deep enough for killers.
EngineState deep_state(int ply) {
    EngineState st;
    st.allocate_move_lists();
    st.reset_killers_and_alternatives();
    st.iteration_depth = 10;
    st.ply = static_cast<std::int8_t>(ply);
    return st;
}

TEST(MoveOrdering, EmptyTablesKeepGeneratorOrder) {
    EngineState st = deep_state(3);
    EXPECT_EQ(
        ordered_moves(st, WHITE),
        (std::vector<std::string>{"g3-f4", "g3-h4", "e3-d4", "e3-f4", "c3-b4", "c3-d4", "a3-b4"}));
}

TEST(MoveOrdering, KillersComeFirstAndKeysAreReset) {
    EngineState st = deep_state(3);
    st.killers[3][0] = squares(22, 18); // c3-d4
    st.killers[3][1] = squares(21, 17); // a3-b4
    const auto moves = ordered_moves(st, WHITE);
    EXPECT_EQ(moves[0], "c3-d4");
    EXPECT_EQ(moves[1], "a3-b4");
    for (int i = 0; i < 7; ++i) EXPECT_EQ(st.current_list()[i].key, 0);
}

TEST(MoveOrdering, AlternativeMoveBeforeTheRest) {
    EngineState st = deep_state(3);
    st.killers[3][0] = squares(1, 5);     // set but matching nothing here
    st.alternatives[3] = squares(23, 19); // e3-f4
    EXPECT_EQ(ordered_moves(st, WHITE)[0], "e3-f4");
}

TEST(MoveOrdering, LooksBackTwoPliesWhenThisPlyHasNoKiller) {
    EngineState st = deep_state(5);
    st.killers[3][0] = squares(24, 20); // g3-h4 at ply 3
    EXPECT_EQ(ordered_moves(st, WHITE)[0], "g3-h4");
}

TEST(MoveOrdering, HintMoveOutranksKillers) {
    EngineState st = deep_state(3);
    st.killers[3][0] = squares(22, 18);
    st.hint_from = 21;
    st.hint_to = 17;
    const auto moves = ordered_moves(st, WHITE);
    EXPECT_EQ(moves[0], "a3-b4");
    EXPECT_EQ(moves[1], "c3-d4");
}

// Below the killers, the moves with the larger cut-off history of the side
// to move come first, the rest in the generator's order; the other side's
// history does not count.
TEST(MoveOrdering, HistoryOrdersTheMovesNoKillerNames) {
    for (const bool other_side_history : {false, true}) {
        EngineState st = deep_state(3);
        st.root_side = WHITE;
        st.history_ordering = true;
        auto& history = (*st.history)[other_side_history ? BLACK : WHITE];
        history[21][17] = 5;   // a3-b4
        history[22][17] = 100; // c3-b4
        st.killers[3][0] = squares(23, 19); // e3-f4
        const auto moves = ordered_moves(st, WHITE);
        if (other_side_history) {
            EXPECT_EQ(moves, (std::vector<std::string>{"e3-f4", "g3-f4", "g3-h4", "e3-d4",
                                                       "c3-b4", "c3-d4", "a3-b4"}));
        } else {
            EXPECT_EQ(moves, (std::vector<std::string>{"e3-f4", "c3-b4", "a3-b4", "g3-f4",
                                                       "g3-h4", "e3-d4", "c3-d4"}));
        }
    }
}

TEST(MoveOrdering, NoKillersNearTheHorizon) {
    EngineState st = deep_state(8); // ply 8 is not below depth 10 - 2
    st.killers[8][0] = squares(21, 17);
    EXPECT_EQ(ordered_moves(st, WHITE)[0], "g3-f4");
}

TEST(MoveOrdering, FirstKillerIgnoredAmongCaptures) {
    const Position pos = testing::position_from("W:WKa1:Bc3");
    EngineState st = deep_state(3);
    st.set_position(pos.board);
    st.killers[3][0] = squares(29, 4); // a1xh8 as first killer: ignored for captures
    st.killers[3][1] = squares(29, 8); // a1xg7 as second killer
    const auto moves = ordered_moves(st, WHITE);
    EXPECT_EQ(moves[0], "a1xg7:c3");
}

TEST(MoveOrdering, PrincipalVariationCaptureFirst) {
    const Position pos = testing::position_from("W:WKa1:Bc3");
    EngineState st = deep_state(3);
    st.set_position(pos.board);
    st.follow_pv = 1;
    st.pv[1][3] = squares(29, 11); // a1xf6
    st.pv[1][3].taken = 1;
    const auto moves = ordered_moves(st, WHITE);
    EXPECT_EQ(moves[0], "a1xf6:c3");
    EXPECT_EQ(st.current_list()[0].key, 100);
}

TEST(MoveOrdering, RootOrderFollowsLastIterationScores) {
    EngineState st = deep_state(1);
    st.previous_root[0] = {22, 18, -50}; // c3-d4
    st.previous_root[1] = {24, 20, 300}; // g3-h4
    st.previous_root[2] = {21, 17, 120}; // a3-b4
    st.previous_root_count = 3;
    const auto moves = ordered_moves(st, WHITE);
    EXPECT_EQ(moves[0], "g3-h4");
    EXPECT_EQ(moves[1], "a3-b4");
    // Keys keep the previous score less the list index: the search reads them.
    EXPECT_EQ(st.current_list()[0].key, 300 - 1);
    EXPECT_EQ(st.current_list()[1].key, 120 - 6);
}

TEST(MoveOrdering, RootResetsKillersAndAlternatives) {
    EngineState st;
    st.killers[4][0] = squares(22, 18);
    st.alternatives[4] = squares(22, 18);
    generate_root_moves(st, WHITE);
    EXPECT_EQ(st.killers[4][0].from, 0);
    EXPECT_EQ(st.killers[4][0].key, 32000);
    EXPECT_EQ(st.killers[3][1].key, -32000);
    EXPECT_EQ(st.alternatives[4].from, 0);
}

} // namespace
} // namespace selvako
