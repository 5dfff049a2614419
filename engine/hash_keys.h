#pragma once
// The two position keys: the index key picks the slot of the transposition
// table and of the learned positions, the check key confirms the match. Each
// is the XOR of one word per occupied square, taken from a table indexed by
// piece code × 32 + square.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/file_reading.h"

namespace selvako {

inline constexpr int KEY_TABLE_WORDS = 165;
inline constexpr int KEY_FILE_BYTES = 2 * KEY_TABLE_WORDS * 4;
inline constexpr const char* KEY_FILE_NAME = "hashkey33.dat";

struct HashKeys {
    std::array<std::uint32_t, KEY_TABLE_WORDS> index{};
    std::array<std::uint32_t, KEY_TABLE_WORDS> check{};
};

constexpr int key_slot(std::uint8_t code, Square square) {
    return code * 32 + square;
}

// The keys the program ships with: 330 words drawn from a fixed seed, index
// words first. tools/make_hash_keys writes exactly these into the key file, and
// the program falls back on them when the file is absent or short, so learned
// positions written with either stay valid.
HashKeys default_hash_keys();

struct KeysLoad {
    HashKeys keys;
    bool from_file = false;
    // The file was whole but its keys could not tell positions apart.
    bool unusable = false;
    // Why the file was not read (missing, not a regular file, another size).
    std::optional<FileRefusal> refusal;
};

// Whether the words of the piece codes 1..4 on squares 1..32 are non-zero and
// distinct, index words among themselves and check words among themselves: a
// zero or repeated word makes different positions share a key, and the table
// then answers for the wrong one.
bool keys_usable(const HashKeys& keys);

// Reads the key file (the index words then the check words, little-endian).
// A missing, short or unusable file gives the default keys with from_file
// false, so the caller can say so once.
KeysLoad load_keys(const std::string& path);
// The same from the file's bytes (any past the keys are ignored, as the
// file reader ignores them).
KeysLoad decode_keys(std::span<const std::uint8_t> bytes);

// The keys in the file's layout (files/engine_files.h writes them).
std::vector<std::uint8_t> encode_hash_keys(const HashKeys& keys);

struct PositionKeys {
    std::uint32_t index = 0;
    std::uint32_t check = 0;
};

PositionKeys position_keys(const BoardArray& board, const HashKeys& keys);
// The index key from one table of index words alone.
std::uint32_t learned_index_key(const BoardArray& board,
                                const std::array<std::uint32_t, KEY_TABLE_WORDS>& words);

} // namespace selvako
