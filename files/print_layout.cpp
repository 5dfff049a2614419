#include "files/print_layout.h"

#include <algorithm>
#include <utility>

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

std::vector<std::string> score_sheet_lines(const std::vector<std::string>& move_lines) {
    constexpr std::size_t PER_LINE = 6;
    std::vector<std::string> printed;
    for (std::size_t k = 0; k < move_lines.size(); k += PER_LINE) {
        std::string text = move_lines[k] + " ";
        for (std::size_t j = 1; j < PER_LINE && k + j < move_lines.size(); ++j)
            text += move_lines[k + j] + "  ";
        printed.push_back(std::move(text));
    }
    return printed;
}

} // namespace selvako
