#pragma once
// The square and piece images of the 2D board, read once from "Images1".

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
    const QImage& light_square() const { return m_light; }

  private:
    std::array<QImage, 5> m_codes;
    QImage m_light;
};

} // namespace selvako
