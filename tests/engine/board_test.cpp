#include <gtest/gtest.h>

#include "engine/board.h"
#include "engine/move.h"

namespace selvako {
namespace {

TEST(NeighbourTable, TellingRows) {
    auto row = [](int s) {
        return std::array<int, 4>{NEIGHBOUR[0][s], NEIGHBOUR[1][s], NEIGHBOUR[2][s],
                                  NEIGHBOUR[3][s]};
    };
    EXPECT_EQ(row(1), (std::array<int, 4>{0, 0, 5, 6}));
    EXPECT_EQ(row(4), (std::array<int, 4>{0, 0, 8, 0}));
    EXPECT_EQ(row(5), (std::array<int, 4>{0, 1, 0, 9}));
    EXPECT_EQ(row(13), (std::array<int, 4>{0, 9, 0, 17}));
    EXPECT_EQ(row(29), (std::array<int, 4>{0, 25, 0, 0}));
    EXPECT_EQ(row(32), (std::array<int, 4>{27, 28, 0, 0}));
    for (int d = 0; d < 4; ++d) EXPECT_EQ(NEIGHBOUR[d][0], 0);
}

TEST(NeighbourTable, StepsAreSymmetric) {
    for (int s = 1; s <= 32; ++s)
        for (int d = 0; d < 4; ++d)
            if (Square n = NEIGHBOUR[d][s]; n != 0) {
                EXPECT_EQ(NEIGHBOUR[3 - d][n], s) << s << ' ' << d;
            }
}

TEST(Board, StartPositionAndSentinel) {
    const BoardArray b = start_position();
    EXPECT_EQ(b[0], SENTINEL);
    for (int s = 1; s <= 12; ++s) EXPECT_EQ(b[s], BLACK_MAN);
    for (int s = 13; s <= 20; ++s) EXPECT_EQ(b[s], EMPTY);
    for (int s = 21; s <= 32; ++s) EXPECT_EQ(b[s], WHITE_MAN);
    const PieceCounts c = count_pieces(b);
    EXPECT_EQ(c[WHITE_MAN], 12);
    EXPECT_EQ(c[BLACK_MAN], 12);
    EXPECT_EQ(c[WHITE_KING] + c[BLACK_KING], 0);
}

TEST(Notation, SquareNames) {
    EXPECT_EQ(SQUARE_NAMES[0], "0");
    EXPECT_EQ(SQUARE_NAMES[1], "b8");
    EXPECT_EQ(SQUARE_NAMES[4], "h8");
    EXPECT_EQ(SQUARE_NAMES[5], "a7");
    EXPECT_EQ(SQUARE_NAMES[29], "a1");
    EXPECT_EQ(SQUARE_NAMES[32], "g1");
    EXPECT_EQ(SQUARE_NAMES_UPPER[22], "C3");
    // Every name agrees with the geometry the neighbour table is built from.
    for (int s = 1; s <= 32; ++s) {
        const auto name = SQUARE_NAMES[s];
        EXPECT_EQ(name[0] - 'a', square_file(static_cast<Square>(s)));
        EXPECT_EQ('8' - name[1], square_row_from_top(static_cast<Square>(s)));
    }
}

TEST(Notation, MoveTextAndRootLines) {
    Move plain;
    plain.from = 22;
    plain.to = 18;
    EXPECT_EQ(move_text(plain), "c3-d4");
    Move capture;
    capture.from = 22;
    capture.to = 15;
    capture.taken = 1;
    capture.captured[0] = 18;
    EXPECT_EQ(move_text(capture), "c3xe5");
    EXPECT_EQ(root_move_line(plain, 12, false), "c3-d4 :    12");
    EXPECT_EQ(root_move_line(capture, -7, true), "c3xe5 :    -7 ?<---");
}

TEST(Notation, MoveRecordKeepsTwelveCapturesAndKey) {
    Move m;
    m.taken = 12;
    for (int i = 0; i < 12; ++i) m.captured[i] = static_cast<Square>(i + 5);
    m.key = -1234;
    const Move copy = m;
    for (int i = 0; i < 12; ++i) EXPECT_EQ(copy.captured[i], i + 5);
    EXPECT_EQ(copy.key, -1234);
}

} // namespace
} // namespace selvako
