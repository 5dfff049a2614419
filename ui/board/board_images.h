#pragma once
// The square and piece images of the 2D board, read once from "Images1":
// the 60 x 60 images, and beside each the same drawing at four times the
// size when it is there, which a board larger than 60 pixels a square
// scales down from so that it stays sharp.

#include <QImage>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace selvako {

class BoardImages {
  public:
    // Returns the names of the images that could not be read; the board draws
    // those in plain colours.
    QStringList load(const QString& folder);

    // Image for a piece code 0..4 (0 the empty playable square), or a null image.
    const QImage& square(std::uint8_t code) const;
    const QImage& light_square() const { return m_light.image; }
    // The drawing to scale to a square `pixels` wide: the 60 x 60 image up to
    // its own size, the large one above it when it was read.
    const QImage& square(std::uint8_t code, int pixels) const;
    const QImage& light_square(int pixels) const { return m_light.for_pixels(pixels); }

  private:
    struct Drawing {
        QImage image;
        QImage large;
        const QImage& for_pixels(int pixels) const {
            return large.isNull() || pixels <= image.width() ? image : large;
        }
    };
    std::array<Drawing, 5> m_codes;
    Drawing m_light;
};

} // namespace selvako
