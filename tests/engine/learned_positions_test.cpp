#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "engine/learned_positions.h"
#include "temp_folder.h"

namespace selvako {
namespace {

TEST(LearnedPositions, MissingOrShortFileGivesAnEmptyTable) {
    testing::TempFolder folder;
    LearnedTable table;
    EXPECT_FALSE(table.load_learned(folder.file("absent.dat")));
    const std::string short_path = folder.file("short.dat");
    std::ofstream(short_path, std::ios::binary) << std::string(LEARNED_FILE_BYTES - 1, '\x11');
    EXPECT_FALSE(table.load_learned(short_path));
    for (std::uint32_t slot : {0u, 1u, 65535u, LEARNED_ENTRIES - 1})
        EXPECT_EQ(table.entry(slot).score, 0);
}

TEST(LearnedPositions, LearningWritesTheWholeTableAtomicallyAndReadsBack) {
    testing::TempFolder folder;
    const std::string path = folder.file(LEARNED_FILE_NAME);
    LearnedTable table;
    ASSERT_FALSE(table.learn_position(path, 1000, 0xABCDu, WHITE, -450));
    EXPECT_EQ(std::filesystem::file_size(path), LEARNED_FILE_BYTES);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

    LearnedTable reread;
    ASSERT_TRUE(reread.load_learned(path));
    const LearnedEntry* e = reread.probe_learned(1000, 0xABCDu, WHITE);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->score, -450);
    EXPECT_EQ(reread.probe_learned(1000, 0xABCEu, WHITE), nullptr);
}

// White to move takes the slot after Black's: the same keys give two slots.
TEST(LearnedPositions, SideToMoveChoosesTheSlot) {
    EXPECT_EQ(LearnedTable::slot_of(1000, WHITE), 1001u);
    EXPECT_EQ(LearnedTable::slot_of(1000, BLACK), 1000u);
    EXPECT_EQ(LearnedTable::slot_of(LEARNED_ENTRIES - 1, WHITE), 0u);
    EXPECT_EQ(LearnedTable::slot_of(0xFFFFFFFFu, WHITE), 0u); // unsigned wrap, then modulo

    testing::TempFolder folder;
    LearnedTable table;
    table.learn_position(folder.file("v.dat"), 1000, 7, BLACK, 300);
    EXPECT_NE(table.probe_learned(1000, 7, BLACK), nullptr);
    EXPECT_EQ(table.probe_learned(1000, 7, WHITE), nullptr);
}

TEST(LearnedPositions, DecisiveSlotIsNeverOverwritten) {
    testing::TempFolder folder;
    const std::string path = folder.file("v.dat");
    LearnedTable table;
    table.learn_position(path, 5, 111, BLACK, 30000);
    // Another position mapping to the same slot leaves it as it was.
    table.learn_position(path, 5 + LEARNED_ENTRIES, 222, BLACK, 100);
    ASSERT_NE(table.probe_learned(5, 111, BLACK), nullptr);
    EXPECT_EQ(table.probe_learned(5, 111, BLACK)->score, 30000);
    // A non-decisive score is replaced.
    table.learn_position(path, 9, 111, BLACK, 29999);
    table.learn_position(path, 9, 222, BLACK, -100);
    EXPECT_EQ(table.probe_learned(9, 222, BLACK)->score, -100);
}

TEST(LearnedPositions, BadLessonFileKeepsTheTableAndSaysWhy) {
    testing::TempFolder folder;
    LearnedTable table;
    table.learn_position(folder.file("v.dat"), 42, 99, WHITE, 200);
    const auto error = table.load_lessons(folder.file("absent.dal"));
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "Impossible d'ouvrir ce fichier");
    EXPECT_NE(table.probe_learned(42, 99, WHITE), nullptr);

    LearnedTable other;
    ASSERT_FALSE(other.load_lessons(folder.file("v.dat")));
    EXPECT_NE(other.probe_learned(42, 99, WHITE), nullptr);
}

TEST(LearnedPositions, UnwritableFileIsReported) {
    LearnedTable table;
    const auto error = table.learn_position("/nonexistent-folder/vako.dat", 1, 2, WHITE, 10);
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "Impossible d'ouvrir ce fichier");
}

} // namespace
} // namespace selvako
