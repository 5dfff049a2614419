#pragma once
// The images of the 3D view in memory: the sprite store (5 x 33, by piece
// code and position), the theme's picture with its overlay drawn over it,
// and which theme they belong to. A load either reads everything it was
// asked for or changes nothing.

#include <QImage>
#include <QString>
#include <QStringList>

#include <array>

#include "ui/board3d/themes_3d.h"

namespace selvako {

class ThemeImages {
  public:
    // The files of theme N that are missing or cannot be read as pictures
    // of the right size (the picture, the overlay and all 160 sprites of its
    // set). Only the files' headers are read.
    static QStringList missing_files(const QString& data_dir, int theme);

    // Reads what `load` asks for. On success the new images replace the old
    // ones and the theme becomes `load.theme_after`; otherwise nothing
    // changes and the names of the files that failed are returned.
    QStringList apply(const QString& data_dir, const ThemeLoad& load);

    // 0 until a theme has been loaded.
    int theme_3d() const { return m_theme; }
    int sprite_set() const { return m_set; }
    const QImage& sprite(int code, int position) const;
    // The picture with the overlay drawn over it at (0, 0).
    const QImage& picture() const { return m_picture; }
    // Whether the picture and the sprites were also read at twice the size.
    // The large copies are only finer, so one that is missing or of the wrong
    // size is no error: the view draws the images above instead.
    bool fine() const;
    const QImage& fine_sprite(int code, int position) const;
    const QImage& fine_picture() const { return m_fine_picture; }

    // How many sprite sets and pictures were read so far.
    int sprite_sets_read() const { return m_sets_read; }
    int pictures_read() const { return m_pictures_read; }

  private:
    using Sprites = std::array<std::array<QImage, 33>, 5>;
    Sprites m_sprites;
    QImage m_picture;
    Sprites m_fine_sprites; // all null when the set's large copies were not all read
    QImage m_fine_picture;
    int m_theme = 0;
    int m_set = 0;
    int m_sets_read = 0;
    int m_pictures_read = 0;
};

} // namespace selvako
