#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/print_layout.h"

namespace selvako {
namespace {

TEST(PrintLayout, LinesPerPageComeFromThePageHeight) {
    EXPECT_EQ(lines_per_page(1000, 100), 10);
    EXPECT_EQ(lines_per_page(1099, 100), 10);
    EXPECT_EQ(lines_per_page(1000, 100, 150), 8);
    // A line taller than the page still gets a page of its own.
    EXPECT_EQ(lines_per_page(50, 100), 1);
    EXPECT_EQ(lines_per_page(1000, 0), 1);
}

// Whatever the heights, the lines go down in order, start a page only when
// the last one is full, and none ends past the page.
TEST(PrintLayout, LinesStayInOrderAndOnThePage) {
    for (int page_height : {700, 701, 1000, 3507, 6814}) {
        for (int line_height : {37, 50, 100, 117}) {
            const int top = line_height;
            const int first_top = 3 * line_height + 400;
            const auto lines =
                lay_out_lines(60, page_height, line_height, 2 * line_height, top, first_top);
            ASSERT_EQ(lines.size(), 60u);
            EXPECT_EQ(lines[0].page, first_top + line_height <= page_height ? 0 : 1);
            for (std::size_t k = 0; k < lines.size(); ++k) {
                EXPECT_LE(lines[k].y + line_height, page_height) << k;
                if (k == 0) continue;
                const PrintedLine& prev = lines[k - 1];
                if (lines[k].page == prev.page) {
                    EXPECT_EQ(lines[k].y, prev.y + 2 * line_height) << k;
                } else {
                    EXPECT_EQ(lines[k].page, prev.page + 1) << k;
                    EXPECT_EQ(lines[k].y, top) << k;
                    // The page left was full: the next line did not fit on it.
                    EXPECT_GT(prev.y + 2 * line_height + line_height, page_height) << k;
                }
            }
        }
    }
}

TEST(PrintLayout, PageCountFollowsTheHeights) {
    // First page from 300: lines at 300, 400, ..., 900 (7); then 10 a page.
    const auto lines = lay_out_lines(25, 1000, 100, 100, 0, 300);
    EXPECT_EQ(lines[6].page, 0);
    EXPECT_EQ(lines[6].y, 900);
    EXPECT_EQ(lines[7].page, 1);
    EXPECT_EQ(lines[7].y, 0);
    EXPECT_EQ(lines[16].page, 1);
    EXPECT_EQ(lines[17].page, 2);
    EXPECT_EQ(lines.back().page, 2);
    EXPECT_TRUE(lay_out_lines(0, 1000, 100, 100, 0, 300).empty());
    // A first page filled by its diagram sends the first line to the next.
    const auto after_diagram = lay_out_lines(1, 1000, 100, 100, 50, 950);
    EXPECT_EQ(after_diagram[0].page, 1);
    EXPECT_EQ(after_diagram[0].y, 50);
}

std::vector<std::string> move_numbers(int count) {
    std::vector<std::string> lines;
    for (int k = 1; k <= count; ++k) {
        std::string line(1, 'm');
        line += std::to_string(k);
        lines.push_back(line);
    }
    return lines;
}

TEST(PrintLayout, SixMoveNumbersToAPrintedLine) {
    EXPECT_TRUE(score_sheet_lines({}).empty());
    EXPECT_EQ(score_sheet_lines(move_numbers(5)),
              (std::vector<std::string>{"m1 m2  m3  m4  m5  "}));
    EXPECT_EQ(score_sheet_lines(move_numbers(13)),
              (std::vector<std::string>{"m1 m2  m3  m4  m5  m6  ", "m7 m8  m9  m10  m11  m12  ",
                                        "m13 "}));
}

} // namespace
} // namespace selvako
