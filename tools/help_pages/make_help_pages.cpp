// Writes the help pages into the data folder: draws every diagram named in
// the diagram list from its position, after checking that the move it shows
// is legal there (and, for a capture, that it takes as many pieces as the
// path jumps), then copies the pages, refusing a page that shows a diagram
// the list does not draw.
//
// Usage: make_help_pages DIAGRAMS.txt PAGES_FOLDER OUTPUT_FOLDER
//
// A diagram line: name | position | path, the path written "c3-d4" or
// "d6xf8xh6" (every landing square), or empty for a position alone.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

#include "engine/engine_state.h"
#include "engine/fen.h"
#include "engine/move_generation.h"

namespace {

using namespace selvako;

constexpr int CELL = 32;
constexpr int MARGIN = 18;
constexpr int SIDE = 8 * CELL + 2 * MARGIN;

QPointF centre(Square s) {
    const int row = (s - 1) / 4;
    const int column = 2 * ((s - 1) % 4) + (row % 2 == 0 ? 1 : 0);
    return {MARGIN + column * CELL + CELL / 2.0, MARGIN + row * CELL + CELL / 2.0};
}

void draw_piece(QPainter& p, QPointF at, std::uint8_t piece) {
    const bool white = piece == WHITE_MAN || piece == WHITE_KING;
    const bool king = piece == WHITE_KING || piece == BLACK_KING;
    p.setPen(QPen(white ? QColor(120, 110, 90) : QColor(10, 10, 10), 1.5));
    p.setBrush(white ? QColor(245, 238, 215) : QColor(50, 40, 35));
    p.drawEllipse(at, CELL * 0.38, CELL * 0.38);
    if (king) {
        p.setPen(QPen(white ? QColor(170, 120, 20) : QColor(230, 190, 60), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(at, CELL * 0.2, CELL * 0.2);
    }
}

QImage draw_diagram(const BoardArray& board, const std::vector<Square>& path) {
    QImage image(SIDE, SIDE, QImage::Format_RGB32);
    image.fill(QColor(250, 248, 240));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            p.fillRect(MARGIN + c * CELL, MARGIN + r * CELL, CELL, CELL,
                       (r + c) % 2 == 0 ? QColor(240, 222, 170) : QColor(150, 100, 60));
    p.setPen(QPen(QColor(60, 40, 20), 1));
    p.drawRect(MARGIN, MARGIN, 8 * CELL, 8 * CELL);
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    for (int k = 0; k < 8; ++k) {
        const QString file(QChar('a' + k));
        const QString rank = QString::number(8 - k);
        p.drawText(QRectF(MARGIN + k * CELL, SIDE - MARGIN, CELL, MARGIN), Qt::AlignCenter, file);
        p.drawText(QRectF(0, MARGIN + k * CELL, MARGIN, CELL), Qt::AlignCenter, rank);
    }
    for (Square s = 1; s <= NUM_SQUARES; ++s)
        if (board[s] != EMPTY) draw_piece(p, centre(s), board[s]);
    if (path.size() >= 2) {
        QPainterPath line(centre(path[0]));
        for (std::size_t k = 1; k < path.size(); ++k) line.lineTo(centre(path[k]));
        p.setPen(QPen(QColor(200, 30, 30, 220), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
        p.setBrush(QColor(200, 30, 30));
        p.drawEllipse(centre(path.back()), 5, 5);
    }
    return image;
}

bool fail(const QString& text) {
    std::fprintf(stderr, "make_help_pages: %s\n", qPrintable(text));
    return false;
}

// The path's move must be among the legal moves, with one capture per jump.
bool path_is_legal(const Position& position, const std::vector<Square>& path, bool capture) {
    EngineState st;
    st.set_position(position.board);
    const int count = generate_root_moves(st, position.side_to_move);
    for (int k = 0; k < count; ++k) {
        const Move& m = st.list(1)[k];
        if (m.from != path.front() || m.to != path.back()) continue;
        if (!capture && m.taken == 0) return true;
        if (capture && m.taken == path.size() - 1) return true;
    }
    return false;
}

bool draw_diagrams(const QString& list, const QString& folder, QSet<QString>& names) {
    QFile file(list);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return fail(list + ": cannot read");
    QTextStream in(&file);
    int line_number = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        ++line_number;
        if (line.isEmpty() || line.startsWith('#')) continue;
        const QString where = list + ':' + QString::number(line_number) + ": ";
        const QStringList cells = line.split('|');
        if (cells.size() != 3) return fail(where + "expected name | position | path");
        const QString name = cells[0].trimmed();
        const FenResult fen = parse_fen(cells[1].trimmed().toStdString());
        if (!fen.position) return fail(where + QString::fromStdString(fen.error));
        const QString move = cells[2].trimmed();
        std::vector<Square> path;
        const bool capture = move.contains('x');
        if (!move.isEmpty()) {
            for (const QString& square : move.split(QRegularExpression(QStringLiteral("[-x]")))) {
                const Square s = parse_square(square.toStdString());
                if (s == 0) return fail(where + "no square " + square);
                path.push_back(s);
            }
            if (path.size() < 2 || (!capture && path.size() != 2))
                return fail(where + "a path needs its start and its landing squares");
            if (!path_is_legal(*fen.position, path, capture))
                return fail(where + move + " is not a legal move there");
        }
        if (!draw_diagram(fen.position->board, path).save(folder + '/' + name + ".png", "PNG"))
            return fail(folder + '/' + name + ".png: cannot write");
        names.insert(name);
    }
    return true;
}

bool copy_pages(const QString& source, const QString& output, const QSet<QString>& diagrams) {
    const QDir pages(source);
    const QRegularExpression shown(QStringLiteral("diagrams/([A-Za-z0-9_]+)\\.png"));
    int copied = 0;
    for (const QString& name : pages.entryList({QStringLiteral("*.html")}, QDir::Files)) {
        QFile in(pages.filePath(name));
        if (!in.open(QIODevice::ReadOnly)) return fail(name + ": cannot read");
        const QByteArray bytes = in.readAll();
        const QString text = QString::fromUtf8(bytes);
        for (auto it = shown.globalMatch(text); it.hasNext();) {
            const QString diagram = it.next().captured(1);
            if (!diagrams.contains(diagram)) return fail(name + ": no diagram " + diagram);
        }
        QFile out(QDir(output).filePath(name));
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            return fail(out.fileName() + ": cannot write");
        ++copied;
    }
    return copied > 0 || fail(source + ": no pages");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_help_pages DIAGRAMS.txt PAGES_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    // The coordinates are text, and text needs fonts: a display-less
    // application gives them at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString output = QString::fromLocal8Bit(argv[3]);
    const QString diagrams = output + QStringLiteral("/diagrams");
    if (!QDir().mkpath(diagrams)) {
        fail(diagrams + ": cannot create");
        return 1;
    }
    QSet<QString> names;
    if (!draw_diagrams(QString::fromLocal8Bit(argv[1]), diagrams, names)) return 1;
    return copy_pages(QString::fromLocal8Bit(argv[2]), output, names) ? 0 : 1;
}
