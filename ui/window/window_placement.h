#pragma once
// Where a secondary window (lesson text, analysis, help) opens: on the
// screen the main window is on, beside it when there is room, and never
// with a part off that screen.

#include <QRect>

class QWidget;

namespace selvako {

// The frame of a window of frame size `wanted` opened beside `main` (both
// frames) on a screen whose available area is `screen`: to the right, else
// to the left, else over the main window's right edge; shrunk to the screen
// when larger.
QRect placement_beside(QRect main, QSize wanted, QRect screen);

// Moves (and if need be shrinks) `window` there, on `main`'s screen.
void place_beside(QWidget* window, const QWidget* main);

} // namespace selvako
