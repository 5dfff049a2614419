#include "ui/board/board_images.h"

#include <QDir>

namespace selvako {

namespace {

QImage read(const QDir& dir, const char* name, QStringList& missing) {
    QImage image(dir.filePath(QString::fromLatin1(name)));
    if (image.isNull()) missing << QString::fromLatin1(name);
    return image;
}

} // namespace

QStringList BoardImages::load(const QString& folder) {
    const QDir dir(folder);
    QStringList missing;
    m_codes[0] = read(dir, "1pva.bmp", missing);
    m_codes[1] = read(dir, "1pba.BMP", missing);
    m_codes[2] = read(dir, "1dba.bmp", missing);
    m_codes[3] = read(dir, "1pna.bmp", missing);
    m_codes[4] = read(dir, "1dna.bmp", missing);
    m_light = read(dir, "1cache.BMP", missing);
    return missing;
}

const QImage& BoardImages::square(std::uint8_t code) const {
    static const QImage none;
    return code < m_codes.size() ? m_codes[code] : none;
}

} // namespace selvako
