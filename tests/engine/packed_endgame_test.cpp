#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/endgame_tables.h"
#include "engine/fen.h"
#include "engine/packed_endgame_tables.h"
#include "tests/engine/temp_folder.h"

namespace selvako {
namespace {

using testing::TempFolder;

TableMaterial material(int own_men, int own_kings, int other_men, int other_kings) {
    return {static_cast<std::uint8_t>(own_men), static_cast<std::uint8_t>(own_kings),
            static_cast<std::uint8_t>(other_men), static_cast<std::uint8_t>(other_kings)};
}

// Every ending of four or five pieces has exactly one table: a ".bib" file or
// a packed one, never both, never neither.
TEST(PackedMaterials, EachEndingOfFourOrFivePiecesHasOneTable) {
    int packed = 0;
    for (int om = 0; om <= 5; ++om)
        for (int ok = 0; om + ok <= 5; ++ok)
            for (int xm = 0; om + ok + xm <= 5; ++xm)
                for (int xk = 0; om + ok + xm + xk <= 5; ++xk) {
                    const TableMaterial m = material(om, ok, xm, xk);
                    if (m.pieces() < 4 || om + ok == 0 || xm + xk == 0) continue;
                    const bool bib = find_table(m) >= 0;
                    const bool pack = find_packed_table(m) >= 0;
                    EXPECT_NE(bib, pack) << packed_file_name(m);
                    packed += pack;
                }
    EXPECT_EQ(packed, NUM_PACKED_TABLES);
}

class PackedIndexRoundTrip : public ::testing::TestWithParam<int> {};

// Index to squares to board to index, with either side to move: the board
// turned for Black lands on the same index. A stride keeps the large tables quick.
TEST_P(PackedIndexRoundTrip, EveryPositionComesBackToItsIndex) {
    const TableMaterial& m = packed_materials()[static_cast<std::size_t>(GetParam())];
    const std::uint32_t size = packed_table_size(m);
    const std::uint32_t stride = size / 20000 + 1;
    int positions = 0;
    for (std::uint32_t index = 0; index < size; index += stride) {
        const auto squares = packed_squares(m, index);
        if (!squares) continue;
        ++positions;
        const BoardArray board = packed_board(m, *squares);
        const PieceCounts counts = count_pieces(board);
        const auto entry = locate_packed(board, counts, WHITE);
        ASSERT_TRUE(entry) << packed_file_name(m) << " " << index;
        EXPECT_EQ(entry->table, GetParam());
        EXPECT_EQ(entry->index, index);

        BoardArray turned = empty_board();
        for (int s = 1; s <= NUM_SQUARES; ++s) {
            const std::uint8_t code = board[s];
            turned[NUM_SQUARES + 1 - s] =
                code == EMPTY ? EMPTY : static_cast<std::uint8_t>(code <= 2 ? code + 2 : code - 2);
        }
        const auto black = locate_packed(turned, count_pieces(turned), BLACK);
        ASSERT_TRUE(black);
        EXPECT_EQ(black->index, index);
    }
    EXPECT_GT(positions, 0);
}

INSTANTIATE_TEST_SUITE_P(AllTables, PackedIndexRoundTrip, ::testing::Range(0, NUM_PACKED_TABLES),
                         [](const auto& param_info) {
                             const std::string name = packed_file_name(
                                 packed_materials()[static_cast<std::size_t>(param_info.param)]);
                             return name.substr(0, name.find('.'));
                         });

TEST(PackedIndex, TwoPiecesOnOneSquareHoldNoPosition) {
    // Three kings against two: the first two own kings on squares 1 and 2 and
    // the other side's kings on the same squares.
    const TableMaterial m = material(0, 3, 0, 2);
    const PackedSquares overlapping = {1, 2, 3, 1, 2};
    EXPECT_FALSE(packed_squares(m, packed_index(m, overlapping)));
    EXPECT_FALSE(packed_squares(m, packed_table_size(m)));
}

TEST(PackedIndex, SixPiecesOrAManOnItsLastRowHaveNoTable) {
    const auto six = parse_fen("W:WKa1,Kc1,Ke1:Bb8,d8,f8");
    ASSERT_TRUE(six.position);
    EXPECT_FALSE(locate_packed(six.position->board, count_pieces(six.position->board), WHITE));
    BoardArray board = empty_board();
    board[2] = WHITE_MAN; // on White's promotion row
    board[20] = BLACK_KING;
    board[21] = BLACK_KING;
    board[22] = WHITE_KING;
    EXPECT_FALSE(locate_packed(board, count_pieces(board), WHITE));
}

// A small table's worth of values: blocks of one value, of a few, and of
// every value a table holds.
std::vector<std::int8_t> varied_values(std::uint32_t size) {
    std::vector<std::int8_t> values(size);
    for (std::uint32_t i = 0; i < size; ++i) {
        const std::uint32_t block = i / PACKED_BLOCK_ENTRIES;
        if (block % 3 == 0)
            values[i] = static_cast<std::int8_t>(block % 7) - 3;
        else if (block % 3 == 1)
            values[i] = static_cast<std::int8_t>(i % 5) - 2;
        else
            values[i] = static_cast<std::int8_t>(static_cast<int>(i * 7919u % 255u) - 127);
    }
    return values;
}

const TableMaterial SMALL = material(3, 0, 0, 1); // pppod: 104,832 entries

TEST(PackedFormat, EveryValueComesBackFromItsBlock) {
    const auto values = varied_values(packed_table_size(SMALL));
    std::string error;
    const auto table =
        PackedTable::from_bytes(pack_table(SMALL, values), SMALL, packed_table_size(SMALL), error);
    ASSERT_TRUE(table) << error;
    for (std::uint32_t i = 0; i < values.size(); ++i) ASSERT_EQ(table->value(i), values[i]) << i;
}

TEST(PackedFormat, BlocksOfOneValueTakeTwoBytes) {
    const std::vector<std::int8_t> draws(packed_table_size(SMALL), 0);
    const std::uint32_t blocks =
        (packed_table_size(SMALL) + PACKED_BLOCK_ENTRIES - 1) / PACKED_BLOCK_ENTRIES;
    EXPECT_EQ(pack_table(SMALL, draws).size(), 20 + 4 * (blocks + 1) + 2 * blocks + 4);
}

// Each way a file can be damaged, and the reason the reader gives.
struct Damage {
    const char* name;
    void (*apply)(std::vector<std::uint8_t>&);
    const char* reason;
};

class PackedFileRefused : public ::testing::TestWithParam<Damage> {};

TEST_P(PackedFileRefused, WithItsReason) {
    std::vector<std::uint8_t> bytes = pack_table(SMALL, varied_values(packed_table_size(SMALL)));
    GetParam().apply(bytes);
    std::string error;
    EXPECT_FALSE(PackedTable::from_bytes(bytes, SMALL, packed_table_size(SMALL), error));
    EXPECT_EQ(error, GetParam().reason);
}

constexpr std::size_t FIRST_BLOCK = 20 + 4 * (26 + 1);

INSTANTIATE_TEST_SUITE_P(
    Damages, PackedFileRefused,
    ::testing::Values(
        Damage{"Empty", [](auto& b) { b.clear(); }, "too short"},
        Damage{"LastByteMissing", [](auto& b) { b.pop_back(); }, "wrong size"},
        Damage{"ByteAdded", [](auto& b) { b.push_back(0); }, "wrong size"},
        Damage{"OtherMaterial", [](auto& b) { b[5] = 2; }, "not a table of this material"},
        Damage{"OtherVersion", [](auto& b) { b[4] = 2; }, "not a table of this material"},
        Damage{"WidthOverEight", [](auto& b) { b[FIRST_BLOCK] = 9; }, "block list broken"},
        Damage{"BlockMoved", [](auto& b) { b[24] = 1; }, "block list broken"},
        Damage{"ValueNoTableHolds", [](auto& b) { b[FIRST_BLOCK + 1] = 0x80; },
               "a value no table holds"},
        Damage{"OneBitFlipped", [](auto& b) { b[b.size() / 2] ^= 4; }, "CRC-32 does not match"}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(PackedFile, OnlyThePlainFileTheGeneratorWritesIsRead) {
    TempFolder folder;
    const int table = find_packed_table(SMALL);
    const auto path = folder.path() / packed_file_name(SMALL);
    std::string error;
    std::filesystem::create_directory(path);
    EXPECT_FALSE(read_packed_table(path, table, error));
    EXPECT_EQ(error, "not a plain file");
    std::filesystem::remove(path);

    // Sound in itself, but not the solved table.
    const auto bytes = pack_table(SMALL, varied_values(packed_table_size(SMALL)));
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    EXPECT_FALSE(read_packed_table(path, table, error));
    EXPECT_EQ(error, "not the table the generator writes");

    PackedEndgameTables tables;
    std::vector<std::string> refused;
    EXPECT_EQ(load_packed_tables(tables, folder.path(), &refused), 0);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0], "pppod.egt: not the table the generator writes");
}

// The probe turns a stored value into the search's score as the ".bib"
// probe does: seen from the root side, a win shorter the nearer the root.
TEST(PackedProbe, ScoresFromTheRootSidesPointOfView) {
    const TableMaterial m = material(0, 3, 0, 2);
    PackedEndgameTables tables;
    const auto fen = parse_fen("W:WKa1,Kc1,Ke1:BKb8,Kd8");
    ASSERT_TRUE(fen.position);
    const BoardArray& board = fen.position->board;
    const PieceCounts counts = count_pieces(board);
    EXPECT_FALSE(probe_packed(tables, board, counts, WHITE, 2)); // nothing loaded

    const auto entry = locate_packed(board, counts, WHITE);
    ASSERT_TRUE(entry);
    std::vector<std::int8_t> values(packed_table_size(m), 0);
    values[entry->index] = 9;
    std::string error;
    tables.tables[static_cast<std::size_t>(entry->table)] =
        PackedTable::from_bytes(pack_table(m, values), m, packed_table_size(m), error);
    tables.loaded = 1;
    EXPECT_EQ(probe_packed(tables, board, counts, WHITE, 3), 32000 - 9 - 3);
    EXPECT_EQ(probe_packed(tables, board, counts, WHITE, 4), -(32000 - 9 - 4));
    // Black to move is another material's table, not loaded here.
    EXPECT_FALSE(probe_packed(tables, board, counts, BLACK, 3));
}

} // namespace
} // namespace selvako
