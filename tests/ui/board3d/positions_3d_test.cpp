// Where the 3D sprites sit, which square a click on the picture falls on,
// and what a change of theme reads.

#include <gtest/gtest.h>

#include "tools/board3d/camera.h"
#include "ui/board3d/positions_3d.h"
#include "ui/board3d/themes_3d.h"

namespace selvako {
namespace {

TEST(Positions3d, AreWhereTheRenderersCameraPutsThem) {
    const board3d::Camera camera = board3d::board_camera();
    for (int p = 1; p <= 32; ++p) {
        const SquareCell cell = square_cell(static_cast<Square>(p), false);
        int x = 0, y = 0;
        board3d::sprite_origin(camera, cell.row, cell.column, x, y);
        EXPECT_EQ(positions_3d[p].x, x) << "position " << p;
        EXPECT_EQ(positions_3d[p].y, y) << "position " << p;
    }
}

TEST(Positions3d, RowsRunLeftToRightAndNearerRowsLower) {
    for (int row = 0; row < 8; ++row) {
        for (int k = 1; k < 4; ++k) {
            EXPECT_GT(positions_3d[4 * row + k + 1].x, positions_3d[4 * row + k].x + SPRITE_3D / 2);
        }
        if (row > 0) {
            EXPECT_GT(positions_3d[4 * row + 1].y, positions_3d[4 * row - 3].y);
        }
    }
}

TEST(HitTest3d, TheCentreOfEverySpriteHitsItsPosition) {
    for (int p = 1; p <= 32; ++p)
        EXPECT_EQ(hit_position(positions_3d[p].x + 30, positions_3d[p].y + 30), p) << p;
}

TEST(HitTest3d, EdgePixelsAreOutside) {
    // Position 1 is at (155, 78) and nothing overlaps its top edge.
    EXPECT_EQ(hit_position(155, 100), 0);  // left edge
    EXPECT_EQ(hit_position(156, 100), 1);
    EXPECT_EQ(hit_position(215, 100), 0);  // x + 60
    EXPECT_EQ(hit_position(214, 100), 1);
    EXPECT_EQ(hit_position(180, 78), 0);   // top edge
    EXPECT_EQ(hit_position(180, 79), 1);
    // The bottom edge of the front row.
    EXPECT_EQ(hit_position(110, 454), 0);
    EXPECT_EQ(hit_position(110, 453), 29);
    // Between two sprites of a row, and off the board.
    EXPECT_EQ(hit_position(236, 90), 0);
    EXPECT_EQ(hit_position(700, 300), 0);
    EXPECT_EQ(hit_position(-5, -5), 0);
}

TEST(HitTest3d, WhereRowsOverlapTheNearerRowWins) {
    // (210, 124) lies in the box of position 1 (155..215, 78..138) and of
    // position 6 (207..267, 119..179).
    EXPECT_EQ(hit_position(210, 124), 6);
    // (185, 124) is in position 1's box only: row 1's boxes leave it out.
    EXPECT_EQ(hit_position(185, 124), 1);
}

TEST(ClickMapping3d, EveryPositionStandsForTheSquareDrawnThere) {
    for (int s = 1; s <= 32; ++s)
        for (const bool inverse : {false, true}) {
            const int p = position_of_square(static_cast<Square>(s), inverse);
            const PixelPoint at = positions_3d[p];
            EXPECT_EQ(square_from_3d_click(at.x + 30, at.y + 30, inverse), s)
                << "square " << s << (inverse ? " upside down" : "");
        }
}

TEST(ClickMapping3d, UpsideDownTheFrontLeftPositionIsSquareFour) {
    const PixelPoint at = positions_3d[29];
    EXPECT_EQ(square_from_3d_click(at.x + 30, at.y + 30, false), 29);
    EXPECT_EQ(square_from_3d_click(at.x + 30, at.y + 30, true), 4);
    EXPECT_EQ(square_from_3d_click(700, 300, true), 0);
}

TEST(ThemeLoads, ClassiqueAndNuitShareTheirSprites) {
    const ThemeLoad nuit = plan_theme_change(1, 2);
    EXPECT_EQ(nuit.sprite_set, 0);
    EXPECT_EQ(nuit.background, 2);
    const ThemeLoad back = plan_theme_change(2, 1);
    EXPECT_EQ(back.sprite_set, 0);
    EXPECT_EQ(back.background, 1);
    const ThemeLoad again = plan_theme_change(1, 1);
    EXPECT_EQ(again.sprite_set, 0);
    EXPECT_EQ(again.background, 0);
    // After another set, Nuit reads set 1 back.
    const ThemeLoad after_luxe = plan_theme_change(3, 2);
    EXPECT_EQ(after_luxe.sprite_set, 1);
    EXPECT_EQ(after_luxe.background, 2);
}

TEST(ThemeLoads, LuxeTwiceReadsNothingTheSecondTimeCopacabanaReadsAgain) {
    const ThemeLoad first = plan_theme_change(1, 3);
    EXPECT_EQ(first.sprite_set, 3);
    EXPECT_EQ(first.background, 3);
    const ThemeLoad second = plan_theme_change(3, 3);
    EXPECT_EQ(second.sprite_set, 0);
    EXPECT_EQ(second.background, 0);
    EXPECT_EQ(second.theme_after, 3);
    for (const int loaded : {1, 4}) {
        const ThemeLoad copacabana = plan_theme_change(loaded, 4);
        EXPECT_EQ(copacabana.sprite_set, 4);
        EXPECT_EQ(copacabana.background, 4);
    }
    EXPECT_EQ(plan_theme_change(1, 8).sprite_set, 8);
}

TEST(ThemeLoads, TheFirstThemeReadsEverythingAndThe2dBoardRestoresClassique) {
    const ThemeLoad first = plan_theme_change(0, 2);
    EXPECT_EQ(first.sprite_set, 1);
    EXPECT_EQ(first.background, 2);
    const ThemeLoad from_inferno = plan_board_2d(6);
    EXPECT_EQ(from_inferno.sprite_set, 1);
    EXPECT_EQ(from_inferno.background, 1);
    EXPECT_EQ(from_inferno.theme_after, 1);
    const ThemeLoad from_nuit = plan_board_2d(2);
    EXPECT_EQ(from_nuit.sprite_set, 0);
    EXPECT_EQ(from_nuit.background, 0);
    EXPECT_EQ(from_nuit.theme_after, 2);
}

TEST(ThemeFiles, AreNamedBySetKindAndPosition) {
    EXPECT_EQ(sprite_file(4, 3, 17), "Images4/pn4_17.bmp");
    EXPECT_EQ(sprite_file(1, 0, 1), "Images1/pv1_1.bmp");
    EXPECT_EQ(background_file(3), "damier3.bmp");
    EXPECT_EQ(overlay_file(3), "damier3w.bmp");
}

} // namespace
} // namespace selvako
