// Draws the program's icon, once as SVG and at each PNG size, from one list
// of shapes: a corner of the board, 4 x 4 squares on a rounded frame, with a
// white king and a black man on it.
//
// Usage: make_icon OUTPUT_FOLDER
// Writes OUTPUT_FOLDER/scalable/selvako.svg and OUTPUT_FOLDER/NxN/selvako.png.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdio>
#include <vector>

namespace {

constexpr int VIEW = 256; // the SVG's view box; the PNGs scale from it

struct Shape {
    enum Kind { rounded_rect, rect, circle } kind;
    double x, y, w, h; // a circle: centre x, y and radius w
    QColor fill;
    QColor stroke;
    double stroke_width;
};

std::vector<Shape> shapes() {
    std::vector<Shape> out;
    const QColor none(0, 0, 0, 0);
    out.push_back({Shape::rounded_rect, 8, 8, 240, 240, QColor(92, 56, 28), QColor(52, 30, 12), 6});
    constexpr double CELL = 52;
    constexpr double ORIGIN = 24;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            out.push_back({Shape::rect, ORIGIN + c * CELL, ORIGIN + r * CELL, CELL, CELL,
                           (r + c) % 2 == 0 ? QColor(240, 220, 165) : QColor(150, 98, 55), none,
                           0});
    // A black man on a dark square, a white king (two stacked men) on another.
    const auto piece = [&](double cx, double cy, QColor body, QColor rim) {
        out.push_back({Shape::circle, cx, cy + 5, 22, 0, rim, rim, 0});
        out.push_back({Shape::circle, cx, cy, 22, 0, body, rim, 3});
        out.push_back({Shape::circle, cx, cy, 12, 0, none, rim, 2});
    };
    piece(ORIGIN + 1.5 * CELL, ORIGIN + 0.5 * CELL, QColor(45, 38, 34), QColor(10, 8, 6));
    piece(ORIGIN + 2.5 * CELL, ORIGIN + 3.5 * CELL, QColor(248, 242, 222), QColor(130, 110, 80));
    piece(ORIGIN + 2.5 * CELL, ORIGIN + 3.5 * CELL - 12, QColor(248, 242, 222),
          QColor(130, 110, 80));
    out.push_back({Shape::circle, ORIGIN + 2.5 * CELL, ORIGIN + 3.5 * CELL - 12, 6, 0,
                   QColor(214, 160, 30), QColor(214, 160, 30), 0});
    return out;
}

QString svg_colour(const QColor& c) {
    return c.alpha() == 0 ? QStringLiteral("none") : c.name(QColor::HexRgb);
}

QString svg() {
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                  "height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
                       .arg(VIEW);
    for (const Shape& s : shapes()) {
        const QString paint = QStringLiteral("fill=\"%1\" stroke=\"%2\" stroke-width=\"%3\"")
                                  .arg(svg_colour(s.fill), svg_colour(s.stroke))
                                  .arg(s.stroke_width);
        switch (s.kind) {
        case Shape::rounded_rect:
            text += QStringLiteral(
                        "  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"28\" %5/>\n")
                        .arg(s.x)
                        .arg(s.y)
                        .arg(s.w)
                        .arg(s.h)
                        .arg(paint);
            break;
        case Shape::rect:
            text += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" %5/>\n")
                        .arg(s.x)
                        .arg(s.y)
                        .arg(s.w)
                        .arg(s.h)
                        .arg(paint);
            break;
        case Shape::circle:
            text += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" %4/>\n")
                        .arg(s.x)
                        .arg(s.y)
                        .arg(s.w)
                        .arg(paint);
            break;
        }
    }
    return text + QStringLiteral("</svg>\n");
}

QImage png(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / double(VIEW), size / double(VIEW));
    for (const Shape& s : shapes()) {
        p.setBrush(s.fill.alpha() == 0 ? QBrush(Qt::NoBrush) : QBrush(s.fill));
        p.setPen(s.stroke_width > 0 && s.stroke.alpha() != 0 ? QPen(s.stroke, s.stroke_width)
                                                             : QPen(Qt::NoPen));
        switch (s.kind) {
        case Shape::rounded_rect:
            p.drawRoundedRect(QRectF(s.x, s.y, s.w, s.h), 28, 28);
            break;
        case Shape::rect:
            p.drawRect(QRectF(s.x, s.y, s.w, s.h));
            break;
        case Shape::circle:
            p.drawEllipse(QPointF(s.x, s.y), s.w, s.w);
            break;
        }
    }
    return image;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("scalable"))) return 1;
    QFile file(out.filePath(QStringLiteral("scalable/selvako.svg")));
    const QByteArray bytes = svg().toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", qPrintable(file.fileName()));
        return 1;
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1").arg(size);
        if (!out.mkpath(folder) ||
            !png(size).save(out.filePath(folder + QStringLiteral("/selvako.png")), "PNG")) {
            std::fprintf(stderr, "make_icon: cannot write the %d pixel icon\n", size);
            return 1;
        }
    }
    return 0;
}
