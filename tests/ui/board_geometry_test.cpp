#include <gtest/gtest.h>

#include "ui/board/board_geometry.h"

namespace selvako {
namespace {

TEST(BoardGeometry, SquaresSitWhereTheBoardDrawsThem) {
    EXPECT_EQ(square_origin(1, false).x, 79);
    EXPECT_EQ(square_origin(1, false).y, 25);
    EXPECT_EQ(square_origin(32, false).x, 379);
    EXPECT_EQ(square_origin(32, false).y, 445);
    EXPECT_EQ(square_origin(1, true).x, 379);
    EXPECT_EQ(square_origin(1, true).y, 445);
    EXPECT_EQ(square_origin(32, true).x, 79);
    EXPECT_EQ(square_origin(32, true).y, 25);
}

TEST(BoardGeometry, ClicksDecodeFromTwentyPixels) {
    EXPECT_EQ(square_from_click(20, 20, false), 0); // a light square
    EXPECT_EQ(square_from_click(80, 20, false), 1);
    EXPECT_EQ(square_from_click(80, 20, true), 32);
    EXPECT_EQ(square_from_click(499, 499, false), 0); // h1 is a light square
    EXPECT_EQ(square_from_click(400, 499, false), 32);
    EXPECT_EQ(square_from_click(400, 499, true), 1);
    EXPECT_EQ(square_from_click(500, 80, false), 0);
    EXPECT_EQ(square_from_click(80, 500, false), 0);
    EXPECT_EQ(square_from_click(19, 100, false), 0);
    EXPECT_EQ(square_from_click(100, 5, false), 0);
    // Every square's drawn centre decodes back to it, both ways up.
    for (bool inverse : {false, true})
        for (int s = 1; s <= 32; ++s) {
            const PixelPoint at = square_origin(static_cast<Square>(s), inverse);
            EXPECT_EQ(square_from_click(at.x + 30, at.y + 30, inverse), s) << s << inverse;
        }
}

} // namespace
} // namespace selvako
