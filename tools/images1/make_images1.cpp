// Draws the square and piece images of the 2D board ("Images1"), 60 x 60
// each: the light and dark squares of a yellow board, and men and kings of
// both colours with shading, a rim and a groove, the kings stacked and crowned.
// The same drawings at four times the size ("1pba@4x.png", ...) let a large
// or high-density board scale down rather than up, and stay sharp.
//
// Usage: make_images1 OUTPUT_FOLDER

#include <QColor>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>

#include <cstdio>

namespace {

constexpr int SIZE = 60;

struct PieceColours {
    QColor highlight;
    QColor body;
    QColor edge;
    QColor rim;
    QColor groove;
};

const PieceColours WHITE_PIECE{QColor(255, 253, 240), QColor(236, 226, 198), QColor(176, 160, 122),
                               QColor(120, 104, 74), QColor(196, 182, 148)};
const PieceColours BLACK_PIECE{QColor(112, 104, 98), QColor(44, 38, 34), QColor(14, 12, 10),
                               QColor(0, 0, 0), QColor(86, 78, 70)};

// The drawings are made in 60 x 60 units; `scale` gives the pixels per unit.
QImage blank(int scale) {
    QImage image(SIZE * scale, SIZE * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

void paint_square(QPainter& p, QColor light, QColor dark) {
    QLinearGradient wood(0, 0, SIZE, SIZE);
    wood.setColorAt(0.0, light);
    wood.setColorAt(1.0, dark);
    p.fillRect(0, 0, SIZE, SIZE, wood);
    // Faint grain lines give the square the look of a wooden board.
    QColor grain = dark;
    grain.setAlpha(40);
    p.setPen(QPen(grain, 1));
    for (int y = 7; y < SIZE; y += 11) p.drawLine(0, y, SIZE, y + 3);
}

void paint_dark_square(QPainter& p) {
    paint_square(p, QColor(132, 86, 48), QColor(98, 60, 32));
}

// One man seen slightly from above: a shadow, the side of the disc, the
// shaded top with its rim and the groove that real draughtsmen carry.
void paint_disc(QPainter& p, const PieceColours& c, QPointF centre, qreal radius) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(centre + QPointF(2.5, 3.5), radius, radius * 0.96);

    p.setBrush(c.edge);
    p.drawEllipse(centre + QPointF(0, 3), radius, radius);

    QRadialGradient top(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.4);
    top.setColorAt(0.0, c.highlight);
    top.setColorAt(0.55, c.body);
    top.setColorAt(1.0, c.edge);
    p.setBrush(top);
    p.setPen(QPen(c.rim, 1.6));
    p.drawEllipse(centre, radius, radius);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.groove, 1.4));
    p.drawEllipse(centre, radius * 0.68, radius * 0.68);
    p.setPen(QPen(c.rim, 0.8));
    p.drawEllipse(centre, radius * 0.62, radius * 0.62);
}

void paint_crown(QPainter& p, QPointF centre, qreal width) {
    const qreal w = width / 2;
    const qreal h = width * 0.62;
    QPainterPath crown;
    crown.moveTo(centre.x() - w, centre.y() + h * 0.45);
    crown.lineTo(centre.x() - w, centre.y() - h * 0.25);
    crown.lineTo(centre.x() - w * 0.45, centre.y() + h * 0.05);
    crown.lineTo(centre.x(), centre.y() - h * 0.55);
    crown.lineTo(centre.x() + w * 0.45, centre.y() + h * 0.05);
    crown.lineTo(centre.x() + w, centre.y() - h * 0.25);
    crown.lineTo(centre.x() + w, centre.y() + h * 0.45);
    crown.closeSubpath();
    QLinearGradient gold(centre.x(), centre.y() - h, centre.x(), centre.y() + h);
    gold.setColorAt(0.0, QColor(255, 236, 140));
    gold.setColorAt(1.0, QColor(196, 140, 24));
    p.setBrush(gold);
    p.setPen(QPen(QColor(110, 72, 8), 1.0));
    p.drawPath(crown);
    p.setBrush(QColor(255, 244, 190));
    for (qreal dx : {-w, 0.0, w}) {
        const qreal y = dx == 0.0 ? centre.y() - h * 0.55 : centre.y() - h * 0.25;
        p.drawEllipse(QPointF(centre.x() + dx, y), 1.6, 1.6);
    }
}

QImage piece(const PieceColours& colours, bool king, int scale = 1) {
    QImage image = blank(scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    paint_dark_square(p);
    const qreal radius = 23;
    if (king) {
        // A king is a man with a second one on top, crowned.
        paint_disc(p, colours, QPointF(30, 33), radius);
        paint_disc(p, colours, QPointF(30, 26), radius);
        paint_crown(p, QPointF(30, 26), 20);
    } else {
        paint_disc(p, colours, QPointF(30, 28), radius);
    }
    return image;
}

QImage square(bool light, int scale = 1) {
    QImage image = blank(scale);
    QPainter p(&image);
    p.scale(scale, scale);
    if (light)
        paint_square(p, QColor(250, 234, 160), QColor(232, 206, 120));
    else
        paint_dark_square(p);
    return image;
}

// The same drawing at 48 x 48, redrawn smooth rather than cut.
QImage symbol(const QImage& image) {
    return image.scaled(48, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_images1 OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    constexpr int FINE = 4;
    const struct {
        const char* name;
        QImage image;
    } outputs[] = {
        {"1pva.bmp", square(false)},
        {"1cache.BMP", square(true)},
        {"1pba.BMP", piece(WHITE_PIECE, false)},
        {"1dba.bmp", piece(WHITE_PIECE, true)},
        {"1pna.bmp", piece(BLACK_PIECE, false)},
        {"1dna.bmp", piece(BLACK_PIECE, true)},
        // The set-up editor's indicator of the piece a click puts down.
        {"v48.Bmp", symbol(square(false))},
        {"b48.Bmp", symbol(piece(WHITE_PIECE, false))},
        {"bd48.Bmp", symbol(piece(WHITE_PIECE, true))},
        {"n48.Bmp", symbol(piece(BLACK_PIECE, false))},
        {"nd48.Bmp", symbol(piece(BLACK_PIECE, true))},
        {"1pva@4x.png", square(false, FINE)},
        {"1cache@4x.png", square(true, FINE)},
        {"1pba@4x.png", piece(WHITE_PIECE, false, FINE)},
        {"1dba@4x.png", piece(WHITE_PIECE, true, FINE)},
        {"1pna@4x.png", piece(BLACK_PIECE, false, FINE)},
        {"1dna@4x.png", piece(BLACK_PIECE, true, FINE)},
    };
    for (const auto& out : outputs) {
        const QString path = folder + '/' + QString::fromLatin1(out.name);
        const char* format = path.endsWith(QLatin1String(".png")) ? "PNG" : "BMP";
        if (!out.image.save(path, format)) {
            std::fprintf(stderr, "make_images1: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
