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

// The file is the table itself: entry k at byte 8k, check key then score,
// little-endian.
TEST(LearnedPositions, EncodingIsTheFileLayout) {
    LearnedTable table;
    table.learn_position(1000, 0x04030201u, BLACK, -2);
    const std::vector<std::uint8_t> bytes = table.encode();
    ASSERT_EQ(bytes.size(), LEARNED_FILE_BYTES);
    const std::uint8_t* entry = &bytes[8u * 1000];
    EXPECT_EQ(std::vector<std::uint8_t>(entry, entry + 6),
              (std::vector<std::uint8_t>{1, 2, 3, 4, 0xFE, 0xFF}));
}

// White to move takes the slot after Black's: the same keys give two slots.
TEST(LearnedPositions, SideToMoveChoosesTheSlot) {
    EXPECT_EQ(LearnedTable::slot_of(1000, WHITE), 1001u);
    EXPECT_EQ(LearnedTable::slot_of(1000, BLACK), 1000u);
    EXPECT_EQ(LearnedTable::slot_of(LEARNED_ENTRIES - 1, WHITE), 0u);
    EXPECT_EQ(LearnedTable::slot_of(0xFFFFFFFFu, WHITE), 0u); // unsigned wrap, then modulo

    LearnedTable table;
    table.learn_position(1000, 7, BLACK, 300);
    EXPECT_NE(table.probe_learned(1000, 7, BLACK), nullptr);
    EXPECT_EQ(table.probe_learned(1000, 7, WHITE), nullptr);
}

TEST(LearnedPositions, DecisiveSlotIsNeverOverwritten) {
    LearnedTable table;
    table.learn_position(5, 111, BLACK, 30000);
    // Another position mapping to the same slot leaves it as it was.
    table.learn_position(5 + LEARNED_ENTRIES, 222, BLACK, 100);
    ASSERT_NE(table.probe_learned(5, 111, BLACK), nullptr);
    EXPECT_EQ(table.probe_learned(5, 111, BLACK)->score, 30000);
    // A non-decisive score is replaced.
    table.learn_position(9, 111, BLACK, 29999);
    table.learn_position(9, 222, BLACK, -100);
    EXPECT_EQ(table.probe_learned(9, 222, BLACK)->score, -100);
}

TEST(LearnedPositions, BadLessonFileKeepsTheTable) {
    testing::TempFolder folder;
    LearnedTable table;
    table.learn_position(42, 99, WHITE, 200);
    EXPECT_FALSE(table.load_lessons(folder.file("absent.dal")));
    EXPECT_NE(table.probe_learned(42, 99, WHITE), nullptr);

    const std::string lessons = folder.file("lessons.dal");
    const std::vector<std::uint8_t> bytes = table.encode();
    std::ofstream(lessons, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    LearnedTable other;
    ASSERT_TRUE(other.load_lessons(lessons));
    EXPECT_NE(other.probe_learned(42, 99, WHITE), nullptr);
}

} // namespace
} // namespace selvako
