// The packed tables against the search: positions of five pieces that a
// table gives as won or lost within a few plies, searched deep enough to see
// the end with the .bib files only, come out as the table says. Skipped where
// the data folder holds no packed tables (a build without make tables5).

#include <filesystem>

#include <gtest/gtest.h>

#include "engine/packed_endgame_tables.h"
#include "search_harness.h"

namespace selvako {
namespace {

// Plies to the end: a capture at once proves little, and the depth stays quick.
constexpr int SHORTEST_SEARCHED = 3;
constexpr int LONGEST_SEARCHED = 9;
constexpr int POSITIONS_PER_TABLE = 12;

class DecisiveSearch : public ::testing::TestWithParam<const char*> {};

TEST_P(DecisiveSearch, FindsTheTablesResult) {
    const auto position = packed_position(parse_fen(GetParam()).position->board, WHITE);
    ASSERT_TRUE(position);
    const int t = find_packed_table(position->material);
    ASSERT_GE(t, 0);
    const TableMaterial& m = position->material;
    std::string error;
    const auto table = read_packed_table(
        std::filesystem::path(SELVAKO_TEST_DATA_DIR) / packed_file_name(m), t, error);
    if (!table) GTEST_SKIP() << packed_file_name(m) << ": " << error << " (make tables5 writes it)";

    EndgameTables bib;
    ASSERT_EQ(load_databases(bib, SELVAKO_TEST_DATA_DIR), NUM_ENDGAME_TABLES);
    int searched = 0;
    // Indexes spread over the table, each the first decisive one from its start.
    const std::uint32_t step = table->entries() / 97 + 1;
    for (std::uint32_t start = 0; start < table->entries() && searched < POSITIONS_PER_TABLE;
         start += step) {
        for (std::uint32_t index = start; index < start + step && index < table->entries();
             ++index) {
            const std::int8_t v = table->value(index);
            const auto squares = packed_squares(m, index);
            const int plies = v > 0 ? v : -v;
            if (!squares || plies < SHORTEST_SEARCHED || plies > LONGEST_SEARCHED) continue;
            testing::SearchHarness h;
            h.search.databases = &bib;
            h.st.set_position(packed_board(m, *squares));
            h.search.game.trait = WHITE;
            h.search.game.ponder = 1;
            h.search.depth_limit = plies + 2;
            h.search.choose_move();
            ++searched;
            const int score = h.search.previous_score;
            if (v > 0)
                EXPECT_GT(score, 30000)
                    << packed_file_name(m) << " " << index << " wins in " << int{v};
            else
                EXPECT_LT(score, -30000)
                    << packed_file_name(m) << " " << index << " loses in " << -v;
            break;
        }
    }
    EXPECT_EQ(searched, POSITIONS_PER_TABLE) << packed_file_name(m);
}

// One position of each ending stands for its table (White to move).
INSTANTIATE_TEST_SUITE_P(Tables, DecisiveSearch,
                         ::testing::Values("W:WKa1,Kc1,Ke1:BKh8,Kf8", "W:WKa1,Kc1,e3:BKh8,g7",
                                           "W:WKb2,c3:BKh8,d8,f8", "W:Wa3,c3,e3:Bf6,h6",
                                           "W:Wa3,c3,Kc1:Bf6,Kh8", "W:WKa1:BKh8,f6,d6,b6"));

} // namespace
} // namespace selvako
