#include "tests/engine/rules_fixture.h"

namespace selvako {
namespace {

TEST(PieceMoves, ManPlainMovesFollowTheSideGiven) {
    EngineState st;
    st.set_position(testing::position_from("W:Wc3:Bf6").board);
    ASSERT_EQ(generate_piece_moves(st, 22, WHITE), 2);
    EXPECT_EQ(st.list(1)[0].to, 17); // b4
    EXPECT_EQ(st.list(1)[1].to, 18); // d4
    EXPECT_EQ(st.piece_rows->landings[1][0], 18);
    ASSERT_EQ(generate_piece_moves(st, 11, BLACK), 2);
    EXPECT_EQ(st.list(1)[0].to, 15); // e5
    EXPECT_EQ(st.list(1)[1].to, 16); // g5
}

TEST(PieceMoves, CaptureRowsGiveEveryLandingSquare) {
    EngineState st;
    st.set_position(testing::position_from("W:WKc3:Bd4,d6,b6,b4,g7").board);
    const int n = generate_piece_moves(st, 22, WHITE);
    ASSERT_EQ(n, 7);
    for (int i = 0; i < n; ++i) {
        const Move& m = st.list(1)[i];
        EXPECT_EQ(m.taken, 4);
        EXPECT_EQ(st.piece_rows->landings[i][3], m.to) << "the last landing is the end square";
        for (int j = 0; j < 4; ++j) EXPECT_EQ(st.piece_rows->captured[i][j], m.captured[j]);
    }
}

TEST(PieceMoves, FindCapturePathReturnsLandingsInOrder) {
    EngineState st;
    st.set_position(testing::position_from("W:WKc3:Bd4,d6,b6,b4,g7").board);
    const Square captured[4] = {18, 10, 9, 17}; // d4, d6, b6, b4
    Square landings[MAX_CAPTURED] = {};
    ASSERT_EQ(find_capture_path(st, 22, captured, 4, landings), 4);
    // e5, c7, a5, then back on its own starting square c3, the first stop stored.
    EXPECT_EQ(landings[0], 15);
    EXPECT_EQ(landings[1], 6);
    EXPECT_EQ(landings[2], 13);
    EXPECT_EQ(landings[3], 22);

    const Square other_order[4] = {17, 9, 10, 18};
    ASSERT_EQ(find_capture_path(st, 22, other_order, 4, landings), 4);
    EXPECT_EQ(landings[0], 13); // a5
    EXPECT_EQ(landings[1], 6);  // c7
    EXPECT_EQ(landings[2], 15); // e5
    EXPECT_EQ(landings[3], 22); // c3

    const Square not_a_capture[2] = {18, 17};
    EXPECT_EQ(find_capture_path(st, 22, not_a_capture, 2, landings), 0);
}

TEST(PieceMoves, ManCaptureRecordsEachLanding) {
    EngineState st;
    st.set_position(testing::position_from("W:Wb6:Bc7,e7").board);
    ASSERT_EQ(generate_piece_moves(st, 9, WHITE), 1);
    EXPECT_EQ(st.piece_rows->landings[0][0], 2);  // d8, crossed as a man
    EXPECT_EQ(st.piece_rows->landings[0][1], 11); // f6
}

} // namespace
} // namespace selvako
