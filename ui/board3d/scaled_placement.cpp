#include "ui/board3d/scaled_placement.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace selvako {

void ScaledPlacement::remember(QWidget* widget) {
    const QFont font = widget->font();
    const bool in_pixels = font.pixelSize() > 0;
    m_placed.push_back({widget, widget->geometry(),
                        in_pixels ? double(font.pixelSize()) : font.pointSizeF(), in_pixels});
}

void ScaledPlacement::move_designed(QWidget* widget, QPoint at) {
    for (Placed& p : m_placed)
        if (p.widget == widget) p.designed.moveTopLeft(at);
}

void ScaledPlacement::apply(const QWidget* top, double scale, QPoint offset) {
    const auto scaled = [scale](int v) { return static_cast<int>(std::lround(v * scale)); };
    for (const Placed& p : m_placed) {
        const QPoint shift = p.widget->parentWidget() == top ? offset : QPoint();
        // Both corners are scaled, so that neighbours keep meeting edge to edge.
        const QPoint from(scaled(p.designed.left()), scaled(p.designed.top()));
        const QPoint to(scaled(p.designed.left() + p.designed.width()),
                        scaled(p.designed.top() + p.designed.height()));
        p.widget->setGeometry(QRect(from + shift, to + shift - QPoint(1, 1)));
        QFont font = p.widget->font();
        if (p.in_pixels)
            font.setPixelSize(std::max(1, scaled(static_cast<int>(p.font_size))));
        else
            font.setPointSizeF(p.font_size * scale);
        p.widget->setFont(font);
    }
}

DesignFit fit_design(QSize design, QSize space) {
    if (design.isEmpty() || space.isEmpty()) return {};
    const double scale = std::min(double(space.width()) / design.width(),
                                  double(space.height()) / design.height());
    return {scale, QPoint(static_cast<int>((space.width() - design.width() * scale) / 2),
                          static_cast<int>((space.height() - design.height() * scale) / 2))};
}

} // namespace selvako
