#include "files/print_layout.h"

#include <algorithm>

namespace selvako {

int lines_per_page(int page_height, int line_height, int top) {
    if (line_height <= 0) return 1;
    return std::max(1, (page_height - top) / line_height);
}

std::vector<PrintedLine> lay_out_lines(int count, int page_height, int line_height, int spacing,
                                       int top, int first_top) {
    spacing = std::max(spacing, line_height);
    std::vector<PrintedLine> lines;
    lines.reserve(static_cast<std::size_t>(std::max(count, 0)));
    int page = 0;
    int y = first_top;
    for (int k = 0; k < count; ++k) {
        // A page that already holds a line and has no room for this one is
        // full; a line that fits nowhere still goes alone on its page.
        const bool page_has_lines = !lines.empty() && lines.back().page == page;
        if (y + line_height > page_height && (page_has_lines || y > top)) {
            ++page;
            y = top;
        }
        lines.push_back({page, y});
        y += spacing;
    }
    return lines;
}

} // namespace selvako
