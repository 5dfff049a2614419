#pragma once
// Images scaled smoothly to a size in device pixels, each kept once made, so
// that a board larger or denser than its images repaints by copying pixels
// rather than scaling them again.

#include <QImage>
#include <QPixmap>
#include <QSize>

#include <map>
#include <tuple>

namespace selvako {

class ScaledTiles {
  public:
    const QPixmap& scaled(const QImage& image, QSize size);
    // Drops the tiles of the sizes no longer shown.
    void clear() { m_tiles.clear(); }

  private:
    std::map<std::tuple<qint64, int, int>, QPixmap> m_tiles;
};

} // namespace selvako
