#pragma once
// The 3D picture `Image5`: the theme's picture, the 32 sprites of the board
// shown at their positions, the square names and the small marks of framed
// squares. In blind play the pieces are left out, except those of the
// computer's last move until the next click.

#include <QImage>
#include <QWidget>

#include <functional>
#include <vector>

#include "engine/board.h"
#include "game/square_frames.h"
#include "ui/board/board_view.h"
#include "ui/board3d/positions_3d.h"
#include "ui/board3d/scaled_placement.h"
#include "ui/board3d/theme_images.h"

namespace selvako {

class Board3dView : public QWidget {
    Q_OBJECT
  public:
    // `shown` gives the board to draw (the game's, or a step of a move being
    // shown); `marks_shown` says whether frames appear in the picture now.
    Board3dView(std::function<const BoardArray&()> shown, const SquareFrames& frames,
                const DisplayState& display, const ThemeImages& images,
                std::function<bool()> marks_shown, QWidget* parent = nullptr);

    QSize sizeHint() const override { return m_images.picture().size(); }
    // The picture is drawn as large as fits, centred; `design` is the size of
    // the area it was drawn for, the picture at its top left.
    void set_design_size(QSize design);
    // Where the designed area sits in the widget and at what scale.
    DesignFit fit() const { return fit_design(m_design, size()); }

    // The picture as it is shown now, for "Editer l'image".
    QImage image() const;

    void set_blind(bool blind);
    bool blind() const { return m_blind; }
    // In blind play: the squares whose pieces stay visible until the next click.
    void reveal(std::vector<Square> squares);

  signals:
    // A mouse press, in picture pixels whatever the size shown.
    void clicked(int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // `fine`: from the images at twice the picture's size.
    void draw(QPainter& p, bool fine) const;
    void dessiner_case(QPainter& p, Square s, std::uint8_t code, bool fine) const;
    void marquer_case(QPainter& p, Square s, std::uint32_t rgb) const;

    std::function<const BoardArray&()> m_shown;
    const SquareFrames& m_frames;
    const DisplayState& m_display;
    const ThemeImages& m_images;
    std::function<bool()> m_marks_shown;
    QSize m_design{PICTURE_3D_WIDTH, PICTURE_3D_HEIGHT};
    bool m_blind = false;
    std::vector<Square> m_revealed;
};

} // namespace selvako
