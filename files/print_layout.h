#pragma once
// Where the lines of a printout go: one after the other down the page, in
// order, a new page when the next line would not fit. Pure arithmetic on
// the page's real height, so it is checked without a printer.

#include <string>
#include <vector>

namespace selvako {

struct PrintedLine {
    int page = 0; // 0 for the first page
    int y = 0;    // top of the line, in the printer's pixels
};

// How many lines of `line_height` fit between `top` and `page_height`;
// never less than one, so a printout always moves on.
int lines_per_page(int page_height, int line_height, int top = 0);

// `count` lines, `spacing` apart (spacing >= line_height), starting at
// `first_top` on the first page (below its title and diagram) and at `top`
// on the others. Every line ends at or above `page_height` unless not even
// one fits on an empty page.
std::vector<PrintedLine> lay_out_lines(int count, int page_height, int line_height, int spacing,
                                       int top, int first_top);

// The score sheet's printed lines: six move numbers to a line, the first
// followed by one space and the others by two. Every move-list line is
// printed, a final move number with only White's move included.
std::vector<std::string> score_sheet_lines(const std::vector<std::string>& move_lines);

} // namespace selvako
