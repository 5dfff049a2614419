#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "engine/square_sets.h"
#include "tests/engine/random_games.h"
#include "tests/engine/rules_fixture.h"

namespace selvako {
namespace {

TEST(SquareSets, StepAgreesWithTheNeighbourTable) {
    for (int s = 1; s <= 32; ++s)
        for (int d = 0; d < 4; ++d) {
            const Square n = NEIGHBOUR[d][s];
            EXPECT_EQ(step(square_bit(static_cast<Square>(s)), d), n == 0 ? 0u : square_bit(n))
                << "square " << s << " direction " << d;
        }
}

TEST(SquareSets, TwoStepsAgreeWithTheNeighbourTableTwice) {
    for (int s = 1; s <= 32; ++s)
        for (int d = 0; d < 4; ++d) {
            const Square n = NEIGHBOUR[d][s];
            const Square n2 = n == 0 ? 0 : NEIGHBOUR[d][n];
            EXPECT_EQ(two_steps(square_bit(static_cast<Square>(s)), d),
                      n2 == 0 ? 0u : square_bit(n2))
                << "square " << s << " direction " << d;
        }
}

TEST(SquareSets, ReadOffRandomBoards) {
    std::mt19937 rng(7);
    for (int trial = 0; trial < 200; ++trial) {
        BoardArray board = empty_board();
        for (int s = 1; s <= 32; ++s) board[s] = static_cast<std::uint8_t>(rng() % 5);
        for (std::uint8_t code = 0; code <= 4; ++code) {
            SquareSet expected = 0;
            for (int s = 1; s <= 32; ++s)
                if (board[s] == code) expected |= square_bit(static_cast<Square>(s));
            EXPECT_EQ(squares_holding(board, code), expected);
        }
    }
}

// The leaf counter takes shortcuts; it must agree with the full generator on
// every position, and the generator must agree with the piece generator.
TEST(GeneratorConsistency, CountMovesMatchesGenerateMovesInRandomGames) {
    int positions = 0;
    testing::play_random_games(300, 11, [&](EngineState& st, int side) {
        const BoardArray before = st.board;
        const int counted = count_moves(st, side);
        st.ply = 1;
        const int generated = generate_moves(st, side);
        ASSERT_EQ(counted, generated) << to_fen(Position{st.board, side});
        ASSERT_EQ(st.board, before);
        ++positions;
    });
    EXPECT_GT(positions, 10000);
}

// The search scores a node past its horizon without generating when this says
// there is nothing to take; a wrong "nothing" would score a position with a
// capture, and a list that differs would change the tree.
TEST(GeneratorConsistency, GeneratingOnlyWithACaptureMatchesTheFullGenerator) {
    int with_capture = 0;
    int without = 0;
    testing::play_random_games(300, 13, [&](EngineState& st, int side) {
        const BoardArray before = st.board;
        st.ply = 2;
        const int only_captures = generate_moves_if_capture(st, side);
        std::vector<std::string> first;
        for (int i = 0; i < std::max(only_captures, 0); ++i)
            first.push_back(testing::describe(st.list(2)[i]));
        ASSERT_EQ(st.board, before);
        st.ply = 1;
        const int count = generate_moves(st, side);
        if (st.greatest_taken == 0) {
            ASSERT_EQ(only_captures, -1) << to_fen(Position{st.board, side});
            ++without;
            return;
        }
        ASSERT_EQ(only_captures, count) << to_fen(Position{st.board, side});
        for (int i = 0; i < count; ++i) ASSERT_EQ(first[i], testing::describe(st.list(1)[i]));
        ++with_capture;
    });
    EXPECT_GT(with_capture, 1000);
    EXPECT_GT(without, 1000);
}

TEST(GeneratorConsistency, SideMovesAreTheUnionOfItsPiecesLongestMoves) {
    testing::play_random_games(100, 12, [&](EngineState& st, int side) {
        const int count = generate_moves(st, side);
        std::multiset<std::string> whole;
        int greatest = 0;
        for (int i = 0; i < count; ++i) {
            whole.insert(testing::describe(st.list(1)[i]));
            greatest = st.list(1)[i].taken;
        }
        std::multiset<std::string> by_piece;
        for (int s = 1; s <= 32; ++s) {
            const std::uint8_t code = st.board[s];
            if (code != own_man(side) && code != own_king(side)) continue;
            const int n = generate_piece_moves(st, static_cast<Square>(s), side);
            for (int i = 0; i < n; ++i)
                if (st.list(1)[i].taken == greatest)
                    by_piece.insert(testing::describe(st.list(1)[i]));
        }
        ASSERT_EQ(whole, by_piece) << to_fen(Position{st.board, side});
    });
}

} // namespace
} // namespace selvako
