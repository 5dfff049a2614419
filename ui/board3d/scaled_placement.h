#pragma once
// Widgets laid out on a picture of fixed design size, shown at any size: each
// keeps its designed place and font, and all are scaled by one factor, so
// they stay on the parts of the picture they were placed over.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

namespace selvako {

class ScaledPlacement {
  public:
    // Records the widget's present geometry (in its parent) and font as designed.
    void remember(QWidget* widget);
    // A new designed position, taken at the next `apply`.
    void move_designed(QWidget* widget, QPoint at);
    // Places every widget remembered at `scale`; those whose parent is `top`
    // are shifted by `offset` too.
    void apply(const QWidget* top, double scale, QPoint offset);

  private:
    struct Placed {
        QWidget* widget;
        QRect designed;
        double font_size; // pixels, or points when the font was given in points
        bool in_pixels;
    };
    std::vector<Placed> m_placed;
};

// A design of size `design` scaled as large as fits in `space`, centred.
struct DesignFit {
    double scale = 1;
    QPoint offset;
};
DesignFit fit_design(QSize design, QSize space);

} // namespace selvako
