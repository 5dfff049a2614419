#include "ui/print/score_sheet_print.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "files/print_layout.h"

namespace selvako {

namespace {

// A monospaced font keeps the move columns aligned; it shrinks until the
// widest line fits across the page, down to a size still readable.
QFont sheet_font(const QPaintDevice& device, const ScoreSheet& sheet, int width) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int size = 10; size >= 6; --size) {
        font.setPointSize(size);
        const QFontMetrics metrics(font, &device);
        int widest = metrics.horizontalAdvance(sheet.title);
        for (const QString& line : sheet.lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        if (widest <= width) break;
    }
    return font;
}

void draw_diagram(QPainter& painter, const QRect& area, const BoardArray& board) {
    const int cell = area.width() / 8;
    painter.save();
    painter.setPen(QPen(Qt::black, std::max(1, cell / 30)));
    for (int row = 0; row < 8; ++row) {
        for (int file = 0; file < 8; ++file) {
            const QRect square(area.left() + file * cell, area.top() + row * cell, cell, cell);
            // The playable squares are the dark ones, a1 among them.
            const bool dark = (row + file) % 2 == 1;
            painter.fillRect(square, dark ? QColor(150, 150, 150) : Qt::white);
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.left(), area.top(), 8 * cell, 8 * cell);
    for (int s = 1; s <= NUM_SQUARES; ++s) {
        const std::uint8_t code = board[s];
        if (!is_white_piece(code) && !is_black_piece(code)) continue;
        const int row = square_row_from_top(static_cast<Square>(s));
        const int file = square_file(static_cast<Square>(s));
        const QRect square(area.left() + file * cell, area.top() + row * cell, cell, cell);
        const int margin = cell / 8;
        const QRect piece = square.adjusted(margin, margin, -margin, -margin);
        painter.setBrush(is_white_piece(code) ? Qt::white : Qt::black);
        painter.setPen(QPen(Qt::black, std::max(1, cell / 25)));
        painter.drawEllipse(piece);
        if (is_king(code)) {
            // A crown ring inside the piece, in the other colour.
            painter.setBrush(Qt::NoBrush);
            painter.setPen(
                QPen(is_white_piece(code) ? Qt::black : Qt::white, std::max(1, cell / 20)));
            const int inner = piece.width() / 4;
            painter.drawEllipse(piece.adjusted(inner, inner, -inner, -inner));
        }
    }
    painter.restore();
}

} // namespace

PrintReport print_score_sheet(QPrinter& printer, const ScoreSheet& sheet) {
    PrintReport report;
    QPainter painter;
    if (!painter.begin(&printer)) return report;
    const int width = printer.width();
    const int height = printer.height();
    report.page_width = width;
    report.page_height = height;

    painter.setFont(sheet_font(printer, sheet, width));
    const QFontMetrics metrics(painter.font(), &printer);
    const int h = metrics.height();
    const auto write = [&](int page, int top, const QString& text) {
        painter.drawText(QPoint(0, top + metrics.ascent()), text);
        report.placed.push_back({page, top, top + h});
        report.widest_line = std::max(report.widest_line, metrics.horizontalAdvance(text));
    };

    write(0, 0, sheet.title);
    // The diagram takes at most half the page's width and a third of its height.
    const int side = std::min(width / 2, height / 3) / 8 * 8;
    const QRect diagram(0, 2 * h, side, side);
    draw_diagram(painter, diagram, sheet.final_position);

    const auto layout = lay_out_lines(static_cast<int>(sheet.lines.size()), height, h, 2 * h, 0,
                                      diagram.bottom() + 1 + 2 * h);
    int page = 0;
    for (std::size_t k = 0; k < layout.size(); ++k) {
        while (page < layout[k].page) {
            printer.newPage();
            ++page;
        }
        write(page, layout[k].y, sheet.lines[static_cast<qsizetype>(k)]);
    }
    report.pages = page + 1;
    report.printed = painter.end();
    return report;
}

} // namespace selvako
