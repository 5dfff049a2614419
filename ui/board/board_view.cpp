#include "ui/board/board_view.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "ui/board/board_geometry.h"

namespace selvako {

namespace {

const QColor SILVER(0xC0, 0xC0, 0xC0);

// Plain colours stand in for an image that could not be read.
QColor plain_colour(std::uint8_t code) {
    switch (code) {
    case WHITE_MAN:
    case WHITE_KING:
        return QColor(240, 232, 208);
    case BLACK_MAN:
    case BLACK_KING:
        return QColor(30, 26, 24);
    default:
        return QColor(120, 78, 44);
    }
}

QFont board_font() {
    QFont font;
    font.setPixelSize(11);
    return font;
}

void text_at(QPainter& p, int x, int y, const QString& text) {
    const QFontMetrics metrics(p.font());
    const QRect box(x, y, metrics.horizontalAdvance(text), metrics.height());
    p.fillRect(box, SILVER);
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
}

} // namespace

BoardView::BoardView(const BoardArray& damier_affiche, const SquareFrames& frames,
                     const DisplayState& display, const BoardImages& images, QWidget* parent)
    : QWidget(parent), m_damier(damier_affiche), m_frames(frames), m_display(display),
      m_images(images) {
    setMinimumSize(LOGICAL_WIDTH / 2, LOGICAL_HEIGHT / 2);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &BoardView::next_step);
}

QTransform BoardView::logical_transform() const {
    const double scale = std::min(static_cast<double>(width()) / LOGICAL_WIDTH,
                                  static_cast<double>(height()) / LOGICAL_HEIGHT);
    const double dx = (width() - LOGICAL_WIDTH * scale) / 2;
    QTransform t;
    t.translate(dx, 0);
    t.scale(scale, scale);
    return t;
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), SILVER);
    p.setTransform(logical_transform());
    placer_pions(p, shown_board());
}

void BoardView::resizeEvent(QResizeEvent*) {
    m_tiles.clear();
}

template <typename ImageFor>
void BoardView::draw_tile(QPainter& p, const QRect& cell, ImageFor image_for) const {
    // The square's corners on device pixels; neighbours round their shared
    // edge alike, so they still meet with no seam.
    const double ratio = p.device()->devicePixelRatioF();
    const QRectF on_widget = p.transform().mapRect(QRectF(cell));
    const QPoint from(qRound(on_widget.left() * ratio), qRound(on_widget.top() * ratio));
    const QPoint to(qRound(on_widget.right() * ratio), qRound(on_widget.bottom() * ratio));
    const QSize size(to.x() - from.x(), to.y() - from.y());
    if (size.isEmpty()) return;
    const QImage& image = image_for(std::max(size.width(), size.height()));
    p.save();
    p.resetTransform();
    p.scale(1 / ratio, 1 / ratio);
    p.drawPixmap(from, m_tiles.scaled(image, size));
    p.restore();
}

void BoardView::placer_pions(QPainter& p, const BoardArray& board) const {
    if (m_display.menu_visible) {
        p.setPen(QColor(0xFF, 0xFF, 0xFF));
        p.drawPolyline(QPolygon({{7, 7}, {509, 7}, {509, 509}, {7, 509}, {7, 7}}));
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawPolyline(QPolygon({{6, 6}, {508, 6}, {508, 508}, {6, 508}, {6, 6}}));
    }
    const bool light_read = !m_images.light_square().isNull();
    for (int i = 1; i <= NUM_SQUARES; ++i) {
        const int t = i - 1;
        const int r = t / 4;
        const QRect cell(19 + 120 * (t % 4) + 60 * (r % 2), 25 + 60 * r, 60, 60);
        if (light_read)
            draw_tile(p, cell, [this](int pixels) -> const QImage& {
                return m_images.light_square(pixels);
            });
        else
            p.fillRect(cell, QColor(246, 226, 150));
    }
    p.setFont(board_font());
    p.setPen(Qt::black);
    for (int s = 1; s <= NUM_SQUARES; ++s) dessiner_case(p, static_cast<Square>(s), board[s]);
    if (m_steps.empty())
        for (int s = 1; s <= NUM_SQUARES; ++s)
            if (m_frames[s] != FRAME_NONE) marquer_case(p, static_cast<Square>(s), m_frames[s]);

    if (!m_display.menu_visible) return;
    p.setPen(Qt::black);
    static constexpr char LETTERS[] = "ABCDEFGH";
    for (int k = 0; k < 8; ++k) {
        const int letter = m_display.damier_inverse ? 7 - k : k;
        const int digit = m_display.damier_inverse ? k + 1 : 8 - k;
        text_at(p, 50 + 60 * k, 10, QString(QLatin1Char(LETTERS[letter])));
        text_at(p, 500, 40 + 60 * k, QString::number(digit));
        text_at(p, 10, 40 + 60 * k, QString::number(digit));
    }
}

void BoardView::dessiner_case(QPainter& p, Square s, std::uint8_t code) const {
    if (s == 0 || code > BLACK_KING) return;
    const PixelPoint at = square_origin(s, m_display.damier_inverse);
    const QRect cell(at.x, at.y, SQUARE_PIXELS, SQUARE_PIXELS);
    if (!m_images.square(code).isNull()) {
        draw_tile(p, cell, [this, code](int pixels) -> const QImage& {
            return m_images.square(code, pixels);
        });
    } else {
        p.fillRect(cell, plain_colour(EMPTY));
        if (code != EMPTY) {
            p.save();
            p.setRenderHint(QPainter::Antialiasing);
            p.setBrush(plain_colour(code));
            p.setPen(QPen(Qt::gray, 2));
            p.drawEllipse(cell.adjusted(7, 7, -7, -7));
            if (is_king(code)) p.drawEllipse(cell.adjusted(18, 18, -18, -18));
            p.restore();
        }
    }
    if (m_display.numerotation_active)
        text_at(p, at.x, at.y + 47, QString::fromLatin1(SQUARE_NAMES[s].data(), 2));
}

void BoardView::marquer_case(QPainter& p, Square s, std::uint32_t rgb) const {
    const PixelPoint at = square_origin(s, m_display.damier_inverse);
    const int x = at.x;
    const int y = at.y;
    p.setPen(QColor::fromRgb(rgb));
    p.drawPolyline(QPolygon({{x, y},
                             {x + 59, y},
                             {x + 59, y + 59},
                             {x, y + 59},
                             {x, y + 1},
                             {x + 58, y + 1},
                             {x + 58, y + 58},
                             {x + 1, y + 58},
                             {x + 1, y}}));
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    bool invertible = false;
    const QTransform inverse = logical_transform().inverted(&invertible);
    if (!invertible) return;
    const QPointF logical = inverse.map(event->position());
    emit clicked(static_cast<int>(std::floor(logical.x())),
                 static_cast<int>(std::floor(logical.y())));
}

void BoardView::animate_capture(const BoardArray& before, Square from,
                                const std::vector<Square>& landings) {
    stop_animation();
    if (landings.size() < 2) return;
    add_capture_steps(before, from, landings);
    start_steps();
}

void BoardView::animate_computer_move(const BoardArray& before, Square from,
                                      const std::vector<Square>& walk) {
    stop_animation();
    constexpr int BLINKS = 10;
    constexpr int BLINK_MS = 10;
    BoardArray hidden = before;
    hidden[from] = EMPTY;
    for (int k = 0; k < BLINKS; ++k) {
        m_steps.push_back({before, BLINK_MS});
        m_steps.push_back({hidden, BLINK_MS});
    }
    if (walk.size() >= 2) add_capture_steps(before, from, walk);
    start_steps();
}

void BoardView::add_capture_steps(const BoardArray& before, Square from,
                                  const std::vector<Square>& landings) {
    const std::uint8_t piece = before[from];
    BoardArray board = before;
    board[from] = EMPTY;
    for (std::size_t k = 0; k + 1 < landings.size(); ++k) {
        BoardArray step = board;
        step[landings[k]] = piece;
        m_steps.push_back({step, 500});
    }
    BoardArray arrival = board;
    arrival[landings.back()] = piece;
    // The arrival is held until a second has passed since the last
    // intermediate step began.
    m_steps.push_back({arrival, 500});
}

void BoardView::start_steps() {
    m_step = 0;
    update();
    emit shown_board_changed();
    m_timer.start(m_steps[0].milliseconds);
}

void BoardView::next_step() {
    if (m_steps.empty()) return;
    if (++m_step < m_steps.size()) {
        update();
        emit shown_board_changed();
        m_timer.start(m_steps[m_step].milliseconds);
        return;
    }
    stop_animation();
    emit animation_finished();
}

void BoardView::stop_animation() {
    m_timer.stop();
    m_steps.clear();
    m_step = 0;
    update();
    emit shown_board_changed();
}

} // namespace selvako
