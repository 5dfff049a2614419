#include "ui/board3d/board3d_view.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "ui/board3d/positions_3d.h"

namespace selvako {

Board3dView::Board3dView(std::function<const BoardArray&()> shown, const SquareFrames& frames,
                         const DisplayState& display, const ThemeImages& images,
                         std::function<bool()> marks_shown, QWidget* parent)
    : QWidget(parent), m_shown(std::move(shown)), m_frames(frames), m_display(display),
      m_images(images), m_marks_shown(std::move(marks_shown)) {
    setObjectName(QStringLiteral("Image5"));
    setMinimumSize(PICTURE_3D_WIDTH / 2, PICTURE_3D_HEIGHT / 2);
    resize(PICTURE_3D_WIDTH, PICTURE_3D_HEIGHT);
}

void Board3dView::set_design_size(QSize design) {
    m_design = design;
    update();
}

void Board3dView::set_blind(bool blind) {
    m_blind = blind;
    m_revealed.clear();
    update();
}

void Board3dView::reveal(std::vector<Square> squares) {
    m_revealed = std::move(squares);
    update();
}

QImage Board3dView::image() const {
    QImage out(PICTURE_3D_WIDTH, PICTURE_3D_HEIGHT, QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    draw(p, false);
    return out;
}

void Board3dView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Beyond the picture the space takes the colour of its lower corner, so
    // that no band of another colour frames it.
    const QImage& picture = m_images.picture();
    if (!picture.isNull()) p.fillRect(rect(), picture.pixelColor(0, picture.height() - 1));
    const DesignFit at = fit();
    p.translate(at.offset);
    p.scale(at.scale, at.scale);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Shown larger than the picture, the images at twice its size are scaled
    // down rather than the others up.
    draw(p, m_images.fine() && at.scale * devicePixelRatioF() > 1);
}

void Board3dView::draw(QPainter& p, bool fine) const {
    if (fine)
        p.drawImage(QRectF(0, 0, PICTURE_3D_WIDTH, PICTURE_3D_HEIGHT), m_images.fine_picture());
    else
        p.drawImage(0, 0, m_images.picture());
    QFont font;
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Qt::black);
    const BoardArray& board = m_shown();
    // Row by row from the back, so that nearer pieces stand in front.
    for (int position = 1; position <= NUM_SQUARES; ++position) {
        const auto s = static_cast<Square>(
            position_of_square(static_cast<Square>(position), m_display.damier_inverse));
        std::uint8_t code = board[s];
        if (m_blind && std::find(m_revealed.begin(), m_revealed.end(), s) == m_revealed.end())
            code = EMPTY;
        dessiner_case(p, s, code, fine);
    }
    if (!m_marks_shown()) return;
    for (int s = 1; s <= NUM_SQUARES; ++s)
        if (m_frames[s] != FRAME_NONE) marquer_case(p, static_cast<Square>(s), m_frames[s]);
}

void Board3dView::dessiner_case(QPainter& p, Square s, std::uint8_t code, bool fine) const {
    if (s == 0 || code > BLACK_KING) return;
    const int position = position_of_square(s, m_display.damier_inverse);
    const PixelPoint at = positions_3d[static_cast<std::size_t>(position)];
    if (fine)
        p.drawImage(QRectF(at.x, at.y, SPRITE_3D, SPRITE_3D), m_images.fine_sprite(code, position));
    else
        p.drawImage(at.x, at.y, m_images.sprite(code, position));
    if (m_display.numerotation_active) {
        const QString name = QString::fromLatin1(SQUARE_NAMES[s].data(), 2);
        const QFontMetrics metrics(p.font());
        const QRect box(at.x, at.y, metrics.horizontalAdvance(name), metrics.height());
        p.fillRect(box, QColor(0xC0, 0xC0, 0xC0));
        p.drawText(box, Qt::AlignLeft | Qt::AlignTop, name);
    }
}

void Board3dView::marquer_case(QPainter& p, Square s, std::uint32_t rgb) const {
    const int position = position_of_square(s, m_display.damier_inverse);
    const PixelPoint at = positions_3d[static_cast<std::size_t>(position)];
    p.fillRect(QRect(QPoint(at.x + 25, at.y + 25), QPoint(at.x + 30, at.y + 30)),
               QColor::fromRgb(rgb));
}

void Board3dView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const DesignFit at = fit();
    const QPointF picture = (event->position() - QPointF(at.offset)) / at.scale;
    emit clicked(static_cast<int>(std::floor(picture.x())),
                 static_cast<int>(std::floor(picture.y())));
}

} // namespace selvako
