#include "ui/board/board_images.h"

#include <QDir>
#include <QFileInfo>

namespace selvako {

namespace {

constexpr int LARGE_FACTOR = 4;

QImage read(const QDir& dir, const char* name, QStringList& missing) {
    QImage image(dir.filePath(QString::fromLatin1(name)));
    if (image.isNull()) missing << QString::fromLatin1(name);
    return image;
}

// The large drawing beside "NAME.bmp" is "NAME@4x.png". It is only a finer
// copy: one that is absent, unreadable or not four times the size of the
// image it refines is left out and the image itself is drawn.
QImage read_large(const QDir& dir, const char* name, const QImage& image) {
    if (image.isNull()) return {};
    const QString large_name =
        QFileInfo(QString::fromLatin1(name)).completeBaseName() + QStringLiteral("@4x.png");
    QImage large(dir.filePath(large_name));
    if (large.size() != image.size() * LARGE_FACTOR) return {};
    // Qt reads a density of 4 from the "@4x" in the name; the board chooses
    // the size it draws at itself.
    large.setDevicePixelRatio(1);
    return large;
}

} // namespace

QStringList BoardImages::load(const QString& folder) {
    const QDir dir(folder);
    QStringList missing;
    const auto drawing = [&](const char* name) {
        Drawing d;
        d.image = read(dir, name, missing);
        d.large = read_large(dir, name, d.image);
        return d;
    };
    m_codes[0] = drawing("1pva.bmp");
    m_codes[1] = drawing("1pba.BMP");
    m_codes[2] = drawing("1dba.bmp");
    m_codes[3] = drawing("1pna.bmp");
    m_codes[4] = drawing("1dna.bmp");
    m_light = drawing("1cache.BMP");
    return missing;
}

const QImage& BoardImages::square(std::uint8_t code) const {
    static const QImage none;
    return code < m_codes.size() ? m_codes[code].image : none;
}

const QImage& BoardImages::square(std::uint8_t code, int pixels) const {
    static const QImage none;
    return code < m_codes.size() ? m_codes[code].for_pixels(pixels) : none;
}

} // namespace selvako
