#pragma once
// Resigning a rated match changes both players' ratings for good: a slip of
// the mouse on "Abandonner" must not do it, so the player confirms first.

#include <functional>

class QWidget;

namespace selvako {

// Asks, without blocking the window, and calls `resign` once confirmed.
void ask_resign(QWidget* parent, int langue, std::function<void()> resign);

} // namespace selvako
