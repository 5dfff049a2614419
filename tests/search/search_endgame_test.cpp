#include <gtest/gtest.h>

#include "search_harness.h"
#include "tests/engine/temp_folder.h"

namespace selvako {
namespace {

TEST(SearchWithTables, TableScoresSettleNodesBelowTheRoot) {
    testing::SearchHarness h;
    EndgameTables tables;
    ASSERT_EQ(load_databases(tables, SELVAKO_TEST_DATA_DIR), NUM_ENDGAME_TABLES);
    h.search.databases = &tables;
    h.set("W:WKb8,Kd8,Kf8:BKg1");
    h.search.game.ponder = 1;
    h.search.depth_limit = 1;
    h.search.choose_move();
    // Every reply is a table position with Black to move at ply 2: a loss for
    // Black in v plies scores 32000 - v - 2 for White.
    EXPECT_GT(h.search.previous_score, 31000);
    EXPECT_LT(h.search.previous_score, 31998);
}

TEST(SearchWithTables, MissingTablesAreMissesNotErrors) {
    testing::TempFolder empty;
    testing::SearchHarness h;
    EndgameTables tables;
    EXPECT_EQ(load_databases(tables, empty.path()), 0);
    h.search.databases = &tables;
    h.set("W:WKb8,Kd8,Kf8:BKg1");
    h.search.game.ponder = 1;
    h.search.depth_limit = 1;
    h.search.choose_move();
    EXPECT_EQ(h.search.previous_score, 1000); // the material count of 3 kings to 1
}

// Five kings: every reply leaves two black kings against three, a packed
// table here made to say "Black loses in 9 plies" everywhere.
TEST(SearchWithTables, PackedTablesSettleFivePieceNodes) {
    testing::SearchHarness h;
    EndgameTables tables;
    PackedEndgameTables packed;
    h.search.databases = &tables;
    h.search.packed_databases = &packed;
    h.set("W:WKa1,Kc1,Ke1:BKh8,Kf8");
    h.search.game.ponder = 1;
    h.search.depth_limit = 1;
    h.search.choose_move();
    EXPECT_EQ(h.search.previous_score, 500); // no table: the material count of a king more

    const TableMaterial black_to_move{0, 2, 0, 3};
    const std::uint32_t size = packed_table_size(black_to_move);
    std::string error;
    packed.tables[static_cast<std::size_t>(find_packed_table(black_to_move))] =
        PackedTable::from_bytes(pack_table(black_to_move, std::vector<std::int8_t>(size, -9)),
                                black_to_move, size, error);
    packed.loaded = 1;
    h.search.choose_move();
    EXPECT_EQ(h.search.previous_score, 32000 - 9 - 2);
}

} // namespace
} // namespace selvako
