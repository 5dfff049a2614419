// The rendered themes: a sprite joins its neighbours (the picture around a
// piece is the picture of the empty board), the files written at build time
// fit together, and Nuit's picture agrees with the sprites it borrows.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "tools/board3d/ray_tracer.h"
#include "ui/board3d/positions_3d.h"
#include "ui/board3d/themes_3d.h"

namespace selvako {
namespace {

using board3d::Pieces;

QImage data_image(const std::string& name) {
    return QImage(
               QDir(QStringLiteral(SELVAKO_TEST_DATA_DIR)).filePath(QString::fromStdString(name)))
        .convertToFormat(QImage::Format_RGB32);
}

// Pixels of the sprite's outermost ring that differ from the empty board.
int border_differences(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    int count = 0;
    for (int y = 0; y < SPRITE_3D; ++y)
        for (int x = 0; x < SPRITE_3D; ++x) {
            if (x != 0 && y != 0 && x != SPRITE_3D - 1 && y != SPRITE_3D - 1) continue;
            if (a[y * SPRITE_3D + x] != b[y * SPRITE_3D + x]) ++count;
        }
    return count;
}

TEST(RenderedSprites, APieceAndItsShadowStayInsideTheirSprite) {
    // Kings are the tallest pieces; the corners and the middle of the board,
    // in every theme.
    for (int theme = 1; theme <= THEME_COUNT; ++theme)
        for (const int p : {1, 4, 16, 29, 32}) {
            const PixelPoint at = positions_3d[p];
            Pieces empty{};
            Pieces king{};
            king[p] = p % 2 == 0 ? BLACK_KING : WHITE_KING;
            const auto board = board3d::render(theme, empty, at.x, at.y, SPRITE_3D, SPRITE_3D);
            const auto sprite = board3d::render(theme, king, at.x, at.y, SPRITE_3D, SPRITE_3D);
            EXPECT_NE(board, sprite) << "no piece drawn, theme " << theme << " position " << p;
            EXPECT_EQ(border_differences(board, sprite), 0)
                << "theme " << theme << " position " << p;
        }
}

TEST(RenderedSprites, APartRenderedAloneIsThatPartOfTheWholePicture) {
    Pieces empty{};
    const auto whole = board3d::render(5, empty, 100, 100, 80, 80);
    const auto part = board3d::render(5, empty, 130, 120, 20, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(part[y * 20 + x], whole[(y + 20) * 80 + x + 30]) << x << "," << y;
}

// The files at the picture's size, or their copies at twice it.
using FileName = std::string (*)(const std::string&);
std::string as_is(const std::string& name) {
    return name;
}

class BuiltImagesAtEachSize : public testing::TestWithParam<std::pair<int, FileName>> {};
INSTANTIATE_TEST_SUITE_P(BuiltImages, BuiltImagesAtEachSize,
                         testing::Values(std::make_pair(1, &as_is),
                                         std::make_pair(FINE_3D, &fine_file)),
                         // Stable names: ctest runs each case by its name.
                         [](const auto& param) { return "scale" + std::to_string(param.param.first); });

// Every sprite set as written at build time: the empty-square sprites laid
// over the picture leave it as it was, so the sprites join without seams.
TEST_P(BuiltImagesAtEachSize, EmptySpritesReproduceThePicture) {
    const auto [scale, file] = GetParam();
    for (int theme = 1; theme <= THEME_COUNT; ++theme) {
        const QImage picture = data_image(file(background_file(theme)));
        ASSERT_EQ(picture.size(), QSize(PICTURE_3D_WIDTH, PICTURE_3D_HEIGHT) * scale) << theme;
        QImage composed = picture;
        const int set = THEMES_3D[theme - 1].sprite_set;
        for (int p = 1; p <= 32; ++p) {
            const QImage sprite = data_image(file(sprite_file(set, EMPTY, p)));
            ASSERT_EQ(sprite.size(), QSize(SPRITE_3D, SPRITE_3D) * scale);
            for (int y = 0; y < sprite.height(); ++y)
                for (int x = 0; x < sprite.width(); ++x)
                    composed.setPixel(scale * positions_3d[p].x + x, scale * positions_3d[p].y + y,
                                      sprite.pixel(x, y));
        }
        // No seam: not one pixel differs, in Nuit (which borrows set 1) too.
        int differing = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (composed.pixel(x, y) != picture.pixel(x, y)) ++differing;
        EXPECT_EQ(differing, 0) << "theme " << theme;
    }
}

// The large copies are the same drawings: each picture and sprite is its
// copy at twice the size with every four pixels averaged.
TEST(BuiltImages, LargeCopiesHalveToThePictures) {
    const auto halves_to = [](const std::string& name) {
        const QImage image = data_image(name);
        const QImage fine = data_image(fine_file(name));
        if (fine.size() != image.size() * FINE_3D) return false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                int r = 0, g = 0, b = 0;
                for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                    const QRgb c = fine.pixel(2 * x + d.x(), 2 * y + d.y());
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                }
                if (image.pixel(x, y) != qRgb((r + 2) / 4, (g + 2) / 4, (b + 2) / 4)) return false;
            }
        return true;
    };
    for (int theme = 1; theme <= THEME_COUNT; ++theme) {
        EXPECT_TRUE(halves_to(background_file(theme))) << theme;
        const int set = THEMES_3D[theme - 1].sprite_set;
        for (const int p : {1, 14, 32})
            for (int code = EMPTY; code <= BLACK_KING; ++code)
                EXPECT_TRUE(halves_to(sprite_file(set, code, p)))
                    << theme << " " << p << " " << code;
    }
}

TEST(BuiltImages, TheOverlayNeverCoversASprite) {
    for (int theme = 1; theme <= THEME_COUNT; ++theme) {
        const QImage overlay = data_image(overlay_file(theme));
        ASSERT_EQ(overlay.size(), QSize(PICTURE_3D_WIDTH, PICTURE_3D_HEIGHT));
        int shown = 0;
        for (int y = 0; y < overlay.height(); ++y)
            for (int x = 0; x < overlay.width(); ++x) {
                if ((overlay.pixel(x, y) & 0xffffff) == 0xff00ff) continue;
                ++shown;
                for (int p = 1; p <= 32; ++p) {
                    const PixelPoint at = positions_3d[p];
                    ASSERT_FALSE(x >= at.x && x < at.x + SPRITE_3D && y >= at.y &&
                                 y < at.y + SPRITE_3D)
                        << "theme " << theme << " pixel " << x << "," << y << " position " << p;
                }
            }
        EXPECT_GT(shown, 0) << "theme " << theme;
    }
}

TEST(BuiltImages, TheThemesLookDifferent) {
    // The middle of the board and a corner of the table, theme against theme.
    for (int a = 1; a <= THEME_COUNT; ++a)
        for (int b = a + 1; b <= THEME_COUNT; ++b) {
            const QImage pa = data_image(background_file(a));
            const QImage pb = data_image(background_file(b));
            EXPECT_TRUE(pa.pixel(10, 510) != pb.pixel(10, 510) ||
                        pa.pixel(330, 260) != pb.pixel(330, 260))
                << a << " and " << b;
        }
}

} // namespace
} // namespace selvako
