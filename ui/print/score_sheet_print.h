#pragma once
// The score sheet on a printer: the players' names, a diagram of the final
// position, then the moves six numbers to a line, a new page when one is
// full. The print dialog is the caller's; this only draws on the printer it
// is given, so a PDF printer serves for checking the pages.

#include <QPrinter>
#include <QString>
#include <QStringList>

#include "engine/board.h"

namespace selvako {

struct ScoreSheet {
    QString title;     // "White - Black"
    QStringList lines; // already grouped, one per printed line
    BoardArray final_position{};
};

struct PrintReport {
    bool printed = false; // false when the printer could not start
    int pages = 0;
    // Where every text line was drawn, title first, for the tests: its page
    // and the bottom of its box in the printer's pixels.
    struct Placed {
        int page;
        int top;
        int bottom;
    };
    std::vector<Placed> placed;
    int page_height = 0;
    int page_width = 0;
    int widest_line = 0;
};

PrintReport print_score_sheet(QPrinter& printer, const ScoreSheet& sheet);

} // namespace selvako
