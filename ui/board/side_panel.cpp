#include "ui/board/side_panel.h"

#include <QPainter>

#include <cstdio>

namespace selvako {

SidePanel::SidePanel(QWidget* parent) : QWidget(parent) {
    // As wide as the column: a longer name line when the window grows.
    setMinimumSize(PANEL_WIDTH, PANEL_HEIGHT);
    setMaximumHeight(PANEL_HEIGHT);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void SidePanel::set_clock(const QString& minutes, const QString& seconds) {
    m_clock = minutes + QLatin1Char(':') + seconds;
    update();
}

void SidePanel::set_count(int pieces) {
    char text[16];
    std::snprintf(text, sizeof text, " %2d", pieces);
    m_count = QString::fromLatin1(text);
    update();
}

void SidePanel::set_name(const QString& name) {
    m_name = name;
    update();
}

void SidePanel::set_turn(bool to_move, const QString& text) {
    if (to_move == m_to_move && text == m_turn) return;
    m_to_move = to_move;
    m_turn = text;
    update();
}

void SidePanel::set_piece(const QImage& piece, bool black) {
    m_piece = piece;
    m_black = black;
    update();
}

void SidePanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    p.fillRect(box, QColor(0xC0, 0xC0, 0xC0));
    p.setPen(Qt::white);
    p.drawLine(box.topLeft(), box.topRight());
    p.drawLine(box.topLeft(), box.bottomLeft());
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawLine(box.bottomLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomRight());

    // Clock face with the time written below it.
    const QPointF centre(34, 30);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(250, 250, 240));
    p.drawEllipse(centre, 22, 22);
    for (int h = 0; h < 12; ++h) {
        p.save();
        p.translate(centre);
        p.rotate(30.0 * h);
        p.drawLine(QPointF(0, -18), QPointF(0, -21));
        p.restore();
    }
    p.drawLine(centre, centre + QPointF(0, -15));
    p.drawLine(centre, centre + QPointF(10, 4));

    QFont font = p.font();
    font.setPixelSize(20);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(64, 8, 84, 44), Qt::AlignCenter, m_clock);

    const QRect piece(150, 6, 48, 48);
    if (!m_piece.isNull()) {
        p.drawImage(piece, m_piece);
    } else {
        p.setBrush(m_black ? QColor(30, 26, 24) : QColor(240, 232, 208));
        p.setPen(QPen(Qt::gray, 2));
        p.drawEllipse(piece.adjusted(4, 4, -4, -4));
    }
    p.setPen(Qt::black);
    p.drawText(QRect(204, 8, 70, 44), Qt::AlignVCenter | Qt::AlignLeft, m_count);

    font.setPixelSize(13);
    font.setBold(false);
    p.setFont(font);
    p.drawText(QRect(8, 56, width() - 16, 20), Qt::AlignVCenter | Qt::AlignLeft, m_name);

    // The side to move: a green outline and, on the name's line, who plays.
    if (m_to_move) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 140, 60), 3));
        p.drawRect(QRectF(box).adjusted(1.5, 1.5, -1.5, -1.5));
    }
    if (!m_turn.isEmpty()) {
        font.setBold(true);
        p.setFont(font);
        p.setPen(m_to_move ? QColor(0, 110, 45) : QColor(90, 90, 90));
        p.drawText(QRect(8, 56, width() - 16, 20), Qt::AlignVCenter | Qt::AlignRight, m_turn);
    }
}

} // namespace selvako
