// The engine's data files written to disk and read back by the code that owns
// each format.

#include <filesystem>
#include <fstream>
#include <random>

#include <gtest/gtest.h>

#include "files/engine_files.h"
#include "tests/engine/temp_folder.h"

namespace selvako {
namespace {

namespace fs = std::filesystem;

TEST(EngineFiles, KeysReadBackAsWritten) {
    testing::TempFolder folder;
    HashKeys keys = default_hash_keys();
    keys.index[7] = 0xDEADBEEFu;
    keys.check[164] = 0x01020304u;
    const fs::path path = folder.path() / KEY_FILE_NAME;
    ASSERT_TRUE(write_hash_keys(path, keys));
    EXPECT_EQ(fs::file_size(path), static_cast<std::uintmax_t>(KEY_FILE_BYTES));
    const KeysLoad loaded = load_keys(path.string());
    EXPECT_TRUE(loaded.from_file);
    EXPECT_EQ(loaded.keys.index, keys.index);
    EXPECT_EQ(loaded.keys.check, keys.check);
    EXPECT_FALSE(write_hash_keys(folder.path() / "missing" / KEY_FILE_NAME, keys));
}

TEST(EngineFiles, LearnedPositionsReadBackAsWritten) {
    testing::TempFolder folder;
    const fs::path path = folder.path() / LEARNED_FILE_NAME;
    LearnedTable table;
    table.learn_position(1000, 0xABCDu, WHITE, -450);
    ASSERT_TRUE(save_learned(path, table));
    EXPECT_EQ(fs::file_size(path), LEARNED_FILE_BYTES);

    LearnedTable reread;
    ASSERT_TRUE(reread.load_learned(path.string()));
    const LearnedEntry* e = reread.probe_learned(1000, 0xABCDu, WHITE);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->score, -450);
    EXPECT_EQ(reread.probe_learned(1000, 0xABCEu, WHITE), nullptr);
    EXPECT_FALSE(save_learned("/nonexistent-folder/vako.dat", table));
}

// The bytes past the parameters are not the program's to change.
TEST(EngineFiles, ParametersKeepTheReservedTail) {
    testing::TempFolder folder;
    std::mt19937 rng(7);
    std::vector<char> original(PARAMETER_FILE_SIZE);
    for (auto& b : original) b = static_cast<char>(rng());
    std::ofstream(folder.path() / "a.par", std::ios::binary)
        .write(original.data(), static_cast<std::streamsize>(original.size()));

    EvalParameters params;
    ParameterImage image{};
    ASSERT_TRUE(load_parameter_file(params, image, folder.path() / "a.par"));
    params.t1 = 17;
    ASSERT_TRUE(save_parameter_file(params, image, folder.path() / "b.par"));

    EvalParameters again;
    ParameterImage image2{};
    ASSERT_TRUE(load_parameter_file(again, image2, folder.path() / "b.par"));
    EXPECT_EQ(again, params);
    EXPECT_TRUE(std::equal(
        image2.begin() + PARAMETER_BYTES, image2.end(), original.begin() + PARAMETER_BYTES,
        [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); }));
}

} // namespace
} // namespace selvako
