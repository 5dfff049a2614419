#include "ui/board3d/theme_images.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>

#include "ui/board3d/positions_3d.h"

namespace selvako {

namespace {

QString path_of(const QString& data_dir, const std::string& name) {
    return QDir(data_dir).filePath(QString::fromStdString(name));
}

bool readable(const QString& path, QSize size) {
    QImageReader reader(path);
    return reader.canRead() && reader.size() == size;
}

QImage read(const QString& path, QSize size) {
    QImage image(path);
    if (image.size() != size) return {};
    // Qt reads a density of 2 from an "@2x" name; the view places each image itself.
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_RGB32);
}

// The large copies of a sprite set, all of them or none.
void read_fine_sprites(const QString& data_dir, int set,
                       std::array<std::array<QImage, 33>, 5>& fine) {
    const QSize size(FINE_3D * SPRITE_3D, FINE_3D * SPRITE_3D);
    for (int p = 1; p <= 32; ++p)
        for (int code = 0; code <= 4; ++code) {
            fine[code][p] = read(path_of(data_dir, fine_file(sprite_file(set, code, p))), size);
            if (fine[code][p].isNull()) {
                fine = {};
                return;
            }
        }
}

// The overlay shows the picture through its magenta pixels.
QImage with_overlay(const QImage& picture, const QImage& overlay) {
    QImage out = picture;
    QImage keyed = overlay.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if ((line[x] & 0xffffff) == 0xff00ff) line[x] = 0;
    }
    QPainter p(&out);
    p.drawImage(0, 0, keyed);
    return out;
}

} // namespace

QStringList ThemeImages::missing_files(const QString& data_dir, int theme) {
    QStringList missing;
    const QSize picture_size(PICTURE_3D_WIDTH, PICTURE_3D_HEIGHT);
    for (const std::string& name : {background_file(theme), overlay_file(theme)})
        if (!readable(path_of(data_dir, name), picture_size))
            missing << QString::fromStdString(name);
    const int set = THEMES_3D[static_cast<std::size_t>(theme - 1)].sprite_set;
    for (int p = 1; p <= 32; ++p)
        for (int code = 0; code <= 4; ++code) {
            const std::string name = sprite_file(set, code, p);
            if (!readable(path_of(data_dir, name), QSize(SPRITE_3D, SPRITE_3D)))
                missing << QString::fromStdString(name);
        }
    return missing;
}

QStringList ThemeImages::apply(const QString& data_dir, const ThemeLoad& load) {
    QStringList failed;
    Sprites sprites;
    if (load.sprite_set != 0) {
        // In the order the set is laid out: position by position, pv pb db pn dn.
        for (int p = 1; p <= 32; ++p)
            for (int code = 0; code <= 4; ++code) {
                const std::string name = sprite_file(load.sprite_set, code, p);
                sprites[code][p] = read(path_of(data_dir, name), QSize(SPRITE_3D, SPRITE_3D));
                if (sprites[code][p].isNull()) failed << QString::fromStdString(name);
            }
    }
    QImage picture;
    QImage fine_picture;
    if (load.background != 0) {
        const QSize size(PICTURE_3D_WIDTH, PICTURE_3D_HEIGHT);
        const QImage overlay = read(path_of(data_dir, overlay_file(load.background)), size);
        if (overlay.isNull()) failed << QString::fromStdString(overlay_file(load.background));
        const QImage background = read(path_of(data_dir, background_file(load.background)), size);
        if (background.isNull()) failed << QString::fromStdString(background_file(load.background));
        if (!overlay.isNull() && !background.isNull()) picture = with_overlay(background, overlay);
        const QImage fine_overlay =
            read(path_of(data_dir, fine_file(overlay_file(load.background))), size * FINE_3D);
        const QImage fine_background =
            read(path_of(data_dir, fine_file(background_file(load.background))), size * FINE_3D);
        if (!fine_overlay.isNull() && !fine_background.isNull())
            fine_picture = with_overlay(fine_background, fine_overlay);
    }
    if (!failed.isEmpty()) return failed;
    if (load.sprite_set != 0) {
        // Large sprites drawn over a picture of the other size would not match it.
        Sprites fine;
        read_fine_sprites(data_dir, load.sprite_set, fine);
        m_sprites = std::move(sprites);
        m_fine_sprites = std::move(fine);
        m_set = load.sprite_set;
        ++m_sets_read;
    }
    if (load.background != 0) {
        m_picture = std::move(picture);
        m_fine_picture = std::move(fine_picture);
        ++m_pictures_read;
    }
    m_theme = load.theme_after;
    return {};
}

bool ThemeImages::fine() const {
    return !m_fine_picture.isNull() && !m_fine_sprites[EMPTY][1].isNull();
}

const QImage& ThemeImages::fine_sprite(int code, int position) const {
    if (code < 0 || code > 4 || position < 1 || position > 32) return sprite(code, position);
    return m_fine_sprites[static_cast<std::size_t>(code)][static_cast<std::size_t>(position)];
}

const QImage& ThemeImages::sprite(int code, int position) const {
    static const QImage none;
    if (code < 0 || code > 4 || position < 1 || position > 32) return none;
    return m_sprites[static_cast<std::size_t>(code)][static_cast<std::size_t>(position)];
}

} // namespace selvako
