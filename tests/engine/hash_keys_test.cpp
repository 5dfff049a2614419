#include <fstream>

#include <gtest/gtest.h>

#include "engine/fen.h"
#include "engine/hash_keys.h"
#include "engine/make_move.h"
#include "engine/move_generation.h"
#include "random_games.h"
#include "temp_folder.h"

namespace selvako {
namespace {

TEST(HashKeys, EncodingIsLittleEndianIndexWordsFirstAndReadsBack) {
    testing::TempFolder folder;
    HashKeys keys = default_hash_keys();
    keys.index[0] = 0x04030201u;
    keys.check[0] = 0x0D0C0B0Au;
    const std::vector<std::uint8_t> bytes = encode_hash_keys(keys);
    ASSERT_EQ(bytes.size(), 1320u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 4),
              (std::vector<std::uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 660, bytes.begin() + 664),
              (std::vector<std::uint8_t>{0x0A, 0x0B, 0x0C, 0x0D}));
    const std::string path = folder.file(KEY_FILE_NAME);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    const KeysLoad loaded = load_keys(path);
    EXPECT_TRUE(loaded.from_file);
    EXPECT_EQ(loaded.keys.index, keys.index);
    EXPECT_EQ(loaded.keys.check, keys.check);
}

TEST(HashKeys, MissingOrShortFileFallsBackOnTheShippedKeys) {
    testing::TempFolder folder;
    const HashKeys shipped = default_hash_keys();
    const KeysLoad missing = load_keys(folder.file("absent.dat"));
    EXPECT_FALSE(missing.from_file);
    EXPECT_EQ(missing.keys.index, shipped.index);
    EXPECT_EQ(missing.keys.check, shipped.check);

    const std::string short_path = folder.file("short.dat");
    std::ofstream(short_path, std::ios::binary) << std::string(1319, '\x7f');
    const KeysLoad short_file = load_keys(short_path);
    EXPECT_FALSE(short_file.from_file);
    EXPECT_EQ(short_file.keys.check, shipped.check);
}

TEST(HashKeys, ZeroOrRepeatedKeysAreRefused) {
    testing::TempFolder folder;
    const HashKeys shipped = default_hash_keys();
    EXPECT_TRUE(keys_usable(shipped));
    auto load = [&](const HashKeys& keys) {
        const std::vector<std::uint8_t> bytes = encode_hash_keys(keys);
        const std::string path = folder.file("keys.dat");
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return load_keys(path);
    };
    const KeysLoad zeros = load(HashKeys{});
    EXPECT_FALSE(zeros.from_file);
    EXPECT_TRUE(zeros.unusable);
    EXPECT_EQ(zeros.keys.index, shipped.index);

    HashKeys repeated = shipped;
    repeated.check[key_slot(BLACK_KING, 32)] = repeated.check[key_slot(WHITE_MAN, 1)];
    EXPECT_TRUE(load(repeated).unusable);
    HashKeys one_zero = shipped;
    one_zero.index[key_slot(WHITE_KING, 17)] = 0;
    EXPECT_TRUE(load(one_zero).unusable);
    // Words no piece uses may be anything.
    HashKeys spare = shipped;
    spare.index[0] = 0;
    spare.check[KEY_TABLE_WORDS - 1] = spare.check[key_slot(WHITE_MAN, 1)];
    const KeysLoad kept = load(spare);
    EXPECT_TRUE(kept.from_file);
    EXPECT_FALSE(kept.unusable);
}

// Plays the first move of each list through a game with captures and
// promotions; the kept keys must always equal the keys computed afresh.
TEST(HashKeys, MakeMoveKeepsThePositionKeys) {
    EngineState st;
    const auto parsed = parse_fen("W:Wa3,c3,e3,g3,Kg1,f2:Ba7,b6,d6,c5,e5,Kh8");
    ASSERT_TRUE(parsed.position);
    st.set_position(parsed.position->board);
    st.allocate_move_lists();
    int side = WHITE;
    for (int ply = 0; ply < 30; ++ply) {
        st.ply = 1;
        const int n = generate_moves(st, side);
        if (n == 0) break;
        make_move(st, (ply * 7) % n);
        const PositionKeys fresh = position_keys(st.board, st.keys);
        ASSERT_EQ(st.index_key, fresh.index) << "ply " << ply;
        ASSERT_EQ(st.check_key, fresh.check) << "ply " << ply;
        side = 1 - side;
    }
}

// The key the search reads a child's slot with, before the move is made, is
// the key make_move then gives, for every move of thousands of positions
// (captures by kings and men, promotions, kings taken).
TEST(HashKeys, KeyAfterAMoveIsTheKeyMakeMoveGives) {
    int checked = 0;
    testing::play_random_games(40, 2024, [&](EngineState& st, int side) {
        const int n = generate_moves(st, side);
        for (int i = 0; i < n; ++i) {
            const BoardArray before = st.board;
            const Move& move = st.current_list()[i];
            const std::uint32_t predicted = index_key_after(st, move);
            make_move(st, i);
            ASSERT_EQ(predicted, st.index_key) << move_text(move);
            st.set_position(before);
            ++checked;
        }
    });
    EXPECT_GT(checked, 10000);
}

} // namespace
} // namespace selvako
