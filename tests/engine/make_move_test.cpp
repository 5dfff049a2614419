#include "engine/make_move.h"
#include "tests/engine/random_games.h"
#include "tests/engine/rules_fixture.h"

namespace selvako {
namespace {

// Plays the only legal move of a position and returns the state after it.
EngineState after_only_move(const std::string& fen, int root_side = WHITE) {
    const Position pos = testing::position_from(fen);
    EngineState st;
    st.set_position(pos.board);
    st.root_side = root_side;
    EXPECT_EQ(generate_root_moves(st, pos.side_to_move), 1) << fen;
    make_move(st, 0);
    return st;
}

TEST(MakeMove, CaptureRemovesEveryPieceAndUpdatesCounts) {
    const EngineState st = after_only_move("W:WKa1:Bc3,d6,b6");
    EXPECT_EQ(st.board[13], WHITE_KING); // a5
    EXPECT_EQ(st.board[29], EMPTY);
    for (Square s : {22, 10, 9}) EXPECT_EQ(st.board[s], EMPTY);
    EXPECT_EQ(st.counts[BLACK_MAN], 0);
    EXPECT_EQ(st.counts[WHITE_KING], 1);
    EXPECT_EQ(st.last_destination, 13);
    EXPECT_EQ(st.material_balance, 3);
}

TEST(MakeMove, PromotionOnlyWhenTheMoveEndsOnTheFarRow) {
    const EngineState crossing = after_only_move("W:Wb6:Bc7,e7");
    EXPECT_EQ(crossing.board[11], WHITE_MAN);
    EXPECT_EQ(crossing.counts[WHITE_KING], 0);

    const EngineState white = after_only_move("W:Wa7:B");
    EXPECT_EQ(white.board[1], WHITE_KING);
    EXPECT_EQ(white.counts[WHITE_MAN], 0);
    EXPECT_EQ(white.counts[WHITE_KING], 1);
    EXPECT_EQ(white.material_balance, 2);

    const EngineState black = after_only_move("B:W:Bh2", WHITE);
    EXPECT_EQ(black.board[32], BLACK_KING);
    EXPECT_EQ(black.material_balance, -2) << "the root side's opponent promoted";

    const EngineState capture_onto_row = after_only_move("W:Wb6:Bc7");
    EXPECT_EQ(capture_onto_row.board[2], WHITE_KING) << "a capture ending on d8 promotes";
}

TEST(MakeMove, KingReturningToItsStartingSquare) {
    const Position pos = testing::position_from("W:WKc3:Bd4,d6,b6,b4");
    EngineState st;
    st.set_position(pos.board);
    const int n = generate_root_moves(st, WHITE);
    for (int i = 0; i < n; ++i) {
        if (st.list(1)[i].to != 22) continue;
        make_move(st, i);
        EXPECT_EQ(st.board[22], WHITE_KING);
        EXPECT_EQ(st.counts[BLACK_MAN], 0);
        return;
    }
    FAIL() << "c3xc3 not generated";
}

TEST(MakeMove, SentinelIsRestored) {
    EngineState st;
    st.board[0] = 0;
    generate_root_moves(st, WHITE);
    make_move(st, 0);
    EXPECT_EQ(st.board[0], SENTINEL);
}

TEST(MakeMove, CountsAndBalanceFollowTheBoardInRandomGames) {
    testing::play_random_games(200, 21, [](EngineState& st, int) {
        ASSERT_EQ(st.counts, count_pieces(st.board));
        ASSERT_EQ(st.board[0], SENTINEL);
        const PieceCounts& c = st.counts;
        // White was the root side throughout: balance = white material - black material change.
        const int white = c[WHITE_MAN] + 3 * c[WHITE_KING];
        const int black = c[BLACK_MAN] + 3 * c[BLACK_KING];
        ASSERT_EQ(st.material_balance, white - black);
    });
}

} // namespace
} // namespace selvako
