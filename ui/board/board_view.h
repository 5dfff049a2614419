#pragma once
// The flat board: frame, light squares, the 32 playable squares drawn from
// the display copy of the board, square frames, square names and
// coordinates. The board keeps its pixel geometry in logical coordinates and
// scales uniformly with the widget; clicks are mapped back through the same
// transform before they are decoded. Squares are drawn on whole device
// pixels from images scaled to that size, so that they stay sharp at any
// size and pixel density; lines and texts are drawn through the transform.

#include <QTimer>
#include <QTransform>
#include <QWidget>

#include <array>
#include <cstdint>
#include <vector>

#include "engine/board.h"
#include "game/square_frames.h"
#include "ui/board/board_images.h"
#include "ui/board/scaled_tiles.h"

namespace selvako {

struct DisplayState {
    bool damier_inverse = false;
    bool numerotation_active = false;
    // The frame and the coordinates are drawn once the start screen is left.
    bool menu_visible = false;
};

class BoardView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int LOGICAL_WIDTH = 512;
    static constexpr int LOGICAL_HEIGHT = 515;

    BoardView(const BoardArray& damier_affiche, const SquareFrames& frames,
              const DisplayState& display, const BoardImages& images, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {LOGICAL_WIDTH, LOGICAL_HEIGHT}; }
    // Maps logical board pixels to widget pixels.
    QTransform logical_transform() const;

    // Shows a capture step by step: the piece on each intermediate landing
    // square for 500 ms, then on its arrival square until a second has passed
    // since the last intermediate step began. The window stays responsive.
    void animate_capture(const BoardArray& before, Square from,
                         const std::vector<Square>& landings);
    // The computer's move: the piece blinks ten times on its from-square
    // (10 ms shown, 10 ms hidden), then, when `walk` holds the landing squares
    // of a capture, goes through them as a capture shown step by step.
    void animate_computer_move(const BoardArray& before, Square from,
                               const std::vector<Square>& walk);
    bool animating() const { return !m_steps.empty(); }
    void stop_animation();
    // The board drawn now: the game's, or the step of a move being shown.
    const BoardArray& shown_board() const {
        return m_steps.empty() ? m_damier : m_steps[m_step].board;
    }

  signals:
    // A mouse press, in logical board pixels.
    void clicked(int x, int y);
    void animation_finished();
    // The board drawn now has changed (a step of a move being shown).
    void shown_board_changed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    struct Step {
        BoardArray board;
        int milliseconds;
    };
    void next_step();
    void add_capture_steps(const BoardArray& before, Square from,
                           const std::vector<Square>& landings);
    void start_steps();
    void placer_pions(QPainter& p, const BoardArray& board) const;
    void dessiner_case(QPainter& p, Square s, std::uint8_t code) const;
    void marquer_case(QPainter& p, Square s, std::uint32_t rgb) const;
    // Draws the drawing of `image_for(pixels)` over the logical square `cell`.
    template <typename ImageFor>
    void draw_tile(QPainter& p, const QRect& cell, ImageFor image_for) const;

    const BoardArray& m_damier;
    const SquareFrames& m_frames;
    const DisplayState& m_display;
    const BoardImages& m_images;
    std::vector<Step> m_steps;
    std::size_t m_step = 0;
    QTimer m_timer;
    mutable ScaledTiles m_tiles;
};

} // namespace selvako
