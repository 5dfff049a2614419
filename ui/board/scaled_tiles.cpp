#include "ui/board/scaled_tiles.h"

namespace selvako {

const QPixmap& ScaledTiles::scaled(const QImage& image, QSize size) {
    const auto key = std::make_tuple(image.cacheKey(), size.width(), size.height());
    auto found = m_tiles.find(key);
    if (found == m_tiles.end()) {
        QImage tile = image.size() == size
                          ? image
                          : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // The tile is drawn pixel for pixel, whatever density its source had.
        tile.setDevicePixelRatio(1);
        found = m_tiles.emplace(key, QPixmap::fromImage(tile)).first;
    }
    return found->second;
}

} // namespace selvako
