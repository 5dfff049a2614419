#include <gtest/gtest.h>

#include <string>

#include "engine/endgame_index.h"
#include "engine/fen.h"

namespace selvako {
namespace {

const TableLayout& layout_named(std::string_view name) {
    for (const TableLayout& layout : TABLE_LAYOUTS)
        if (layout.file_name == name) return layout;
    ADD_FAILURE() << "no table " << name;
    return TABLE_LAYOUTS[0];
}

std::optional<TableEntry> locate(const std::string& fen) {
    const FenResult parsed = parse_fen(fen);
    EXPECT_TRUE(parsed.position) << fen << ": " << parsed.error;
    if (!parsed.position) return std::nullopt;
    return locate_position(parsed.position->board, count_pieces(parsed.position->board),
                           parsed.position->side_to_move);
}

// Calls `visit` with every assignment of squares 1..32 to the layout's pieces
// that keeps a pair or a triple in ascending order.
template <typename Visit> void for_each_square_set(const TableLayout& layout, Visit visit) {
    const auto roles = square_roles(layout);
    const int n = layout.pieces();
    TableSquares sq{};
    auto place = [&](auto&& self, int i) -> void {
        if (i == n) {
            visit(sq);
            return;
        }
        const bool same_group = i > 0 && roles[i] == roles[i - 1];
        for (int s = same_group ? sq[i - 1] + 1 : 1; s <= NUM_SQUARES; ++s) {
            sq[i] = static_cast<Square>(s);
            self(self, i + 1);
        }
    };
    place(place, 0);
}

TEST(EndgameIndex, EveryOffsetRoundTrips) {
    for (const TableLayout& layout : TABLE_LAYOUTS) {
        int decoded = 0;
        for (std::uint32_t offset = 0; offset < layout.size; ++offset) {
            const auto squares = table_squares(layout, offset);
            if (!squares) continue;
            ++decoded;
            ASSERT_EQ(table_offset(layout, *squares), offset) << layout.file_name;
        }
        EXPECT_GT(decoded, 0) << layout.file_name;
    }
}

// The other way round: every position that can occur has its own offset inside
// the file, and that offset gives its squares back.
TEST(EndgameIndex, EveryPossiblePositionFitsItsFile) {
    for (const TableLayout& layout : TABLE_LAYOUTS) {
        int possible = 0;
        for_each_square_set(layout, [&](const TableSquares& sq) {
            if (!position_can_occur(layout, sq)) return;
            ++possible;
            const std::uint32_t offset = table_offset(layout, sq);
            ASSERT_LT(offset, layout.size) << layout.file_name;
            const auto back = table_squares(layout, offset);
            ASSERT_TRUE(back.has_value()) << layout.file_name << ' ' << offset;
            ASSERT_EQ(*back, sq) << layout.file_name << ' ' << offset;
        });
        EXPECT_GT(possible, 0) << layout.file_name;
    }
}

// Counted by hand: kings anywhere on distinct squares; the side to move's men
// on 5..32 and the other side's on 1..28, which share 24 squares.
TEST(EndgameIndex, NumberOfPossiblePositions) {
    auto possible = [](std::string_view name) {
        const TableLayout& layout = layout_named(name);
        int count = 0;
        for (std::uint32_t offset = 0; offset < layout.size; ++offset) {
            const auto sq = table_squares(layout, offset);
            if (sq && position_can_occur(layout, *sq)) ++count;
        }
        return count;
    };
    EXPECT_EQ(possible("dod.bib"), 32 * 31);
    EXPECT_EQ(possible("pod.bib"), 28 * 31);
    EXPECT_EQ(possible("pop.bib"), 28 * 28 - 24);
    EXPECT_EQ(possible("ddod.bib"), 496 * 30);
    EXPECT_EQ(possible("dddod.bib"), 4960 * 29);
    EXPECT_EQ(possible("pddod.bib"), 28 * (31 * 30 / 2) * 29);
}

// Offsets worked out by hand from the formulas of the file layouts.
TEST(EndgameIndex, OffsetsOfKnownPositions) {
    struct Case {
        const char* fen;
        const char* file;
        std::uint32_t offset;
    };
    const Case cases[] = {
        // Two singles, the side to move's king first: 32 * 1 + 32.
        {"W:WKb8:BKg1", "dod.bib", 64},
        {"B:WKg1:BKb8", "dod.bib", 64},
        // Pair + single: pair (20, 24) = 19 + 23 * 22 / 2 = 272, king on 2 adds 496.
        {"W:Wh4,g3:BKd8", "ppod.bib", 768},
        // Black to move with a man: turned board, men 21, 25 -> 12, 8 and 5 -> 28:
        // pair (8, 12) = 7 + 55, the single man adds 27 * 496.
        {"B:Wa3,b2:Ba7", "popp.bib", 62 + 27 * 496},
        // Three singles in the order of the name: own king 10, other man 14, other king 3.
        {"W:WKd6:Bc5,Kf8", "dopd.bib", 9 * 1024 + 13 * 32 + 2},
        {"B:WKc1,f4:BKe3", "dopd.bib", 9 * 1024 + 13 * 32 + 2},
        // Triple + single: triple (1, 5, 30) = 0 + 6 + 29 * 28 * 27 / 6, single 12.
        {"B:WKb8,Ka7,Kc1:BKh6", "doddd.bib", 6 + 3654 + 11 * 4960},
        // Pair + two singles: own kings (3, 7), own man 20, other king 31.
        {"W:WKf8,Ke7,h4:BKe1", "pddod.bib", 2 + 15 + 19 * 496 + 30 * 16368},
        // The same from the lone king's side, Black to move on the turned board.
        {"B:WKd2,Kc1,a5:BKd8", "dopdd.bib", 2 + 15 + 19 * 496 + 30 * 16368},
    };
    for (const Case& c : cases) {
        const auto entry = locate(c.fen);
        ASSERT_TRUE(entry.has_value()) << c.fen;
        EXPECT_EQ(TABLE_LAYOUTS[entry->table].file_name, c.file) << c.fen;
        EXPECT_EQ(entry->offset, c.offset) << c.fen;
    }
}

// Swapping the colours of a kings-only position and the side to move changes
// nothing; with a man the board must also be turned round.
TEST(EndgameIndex, ColoursAndOrientation) {
    EXPECT_EQ(locate("W:WKe7,Kh4:BKa5")->offset, locate("B:WKa5:BKe7,Kh4")->offset);
    EXPECT_EQ(locate("W:Wc3:Bf6")->offset, locate("B:Wc3:Bf6")->offset);
    EXPECT_EQ(locate("W:Wc3:BKf6")->offset, locate("B:WKc3:Bf6")->offset);
    EXPECT_NE(locate("W:Wc3:BKf6")->offset, locate("B:WKf6:Bc3")->offset);
}

TEST(EndgameIndex, MaterialWithoutTable) {
    EXPECT_FALSE(locate("W:WKb8,Kd8:BKf8,Kh8").has_value());    // two kings each
    EXPECT_FALSE(locate("W:Wa3,c3,e3:BKh8").has_value());    // three men against a king
    EXPECT_FALSE(locate("W:WKb8,Kd8,Kf8,Ka7:BKh8").has_value()); // five pieces
    EXPECT_FALSE(locate("W:WKb8:B").has_value());            // one side has nothing
    EXPECT_TRUE(locate("B:Wa5,Kb8,Kd8:BKh8").has_value());     // man and two kings
}

} // namespace
} // namespace selvako
