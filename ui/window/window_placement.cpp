#include "ui/window/window_placement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace selvako {

namespace {

constexpr int GAP = 8;

} // namespace

QRect placement_beside(QRect main, QSize wanted, QRect screen) {
    const QSize size = wanted.boundedTo(screen.size());
    // QRect's right() is its last pixel: the window beside starts GAP pixels after it.
    const int after = main.right() + 1;
    int x;
    if (after + GAP + size.width() <= screen.right() + 1)
        x = after + GAP;
    else if (main.left() - GAP - size.width() >= screen.left())
        x = main.left() - GAP - size.width();
    else
        x = after - size.width();
    x = std::clamp(x, screen.left(), screen.right() + 1 - size.width());
    const int y = std::clamp(main.top(), screen.top(), screen.bottom() + 1 - size.height());
    return {QPoint(x, y), size};
}

void place_beside(QWidget* window, const QWidget* main) {
    QScreen* screen = main->screen();
    if (!screen) return;
    window->setScreen(screen);
    // Before its first showing a window has no frame yet: its size stands for it.
    const QSize margins = window->frameGeometry().size() - window->geometry().size();
    const QRect frame = placement_beside(main->frameGeometry(), window->size() + margins,
                                         screen->availableGeometry());
    window->resize(frame.size() - margins);
    window->move(frame.topLeft());
}

} // namespace selvako
