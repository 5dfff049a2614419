#include "engine/hash_keys.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "engine/file_reading.h"

namespace selvako {

namespace {

// SplitMix32-style mixer: cheap, well spread, and the same on every platform.
struct KeyGenerator {
    std::uint32_t state;
    std::uint32_t next() {
        std::uint32_t z = (state += 0x9E3779B9u);
        z = (z ^ (z >> 16)) * 0x85EBCA6Bu;
        z = (z ^ (z >> 13)) * 0xC2B2AE35u;
        return z ^ (z >> 16);
    }
};

constexpr std::uint32_t KEY_SEED = 0x5E1FA6C0u;

std::uint32_t read_le32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void write_le32(unsigned char* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

} // namespace

HashKeys default_hash_keys() {
    HashKeys keys;
    KeyGenerator gen{KEY_SEED};
    for (auto& w : keys.index) w = gen.next();
    for (auto& w : keys.check) w = gen.next();
    return keys;
}

bool keys_usable(const HashKeys& keys) {
    for (const auto* words : {&keys.index, &keys.check}) {
        std::vector<std::uint32_t> used;
        for (std::uint8_t code = WHITE_MAN; code <= BLACK_KING; ++code)
            for (Square s = 1; s <= NUM_SQUARES; ++s) used.push_back((*words)[key_slot(code, s)]);
        std::sort(used.begin(), used.end());
        if (used.front() == 0 || std::adjacent_find(used.begin(), used.end()) != used.end())
            return false;
    }
    return true;
}

KeysLoad load_keys(const std::string& path) {
    const FileBytesRead read = read_file_bytes(path, FileSize::exactly(KEY_FILE_BYTES));
    if (!read.ok()) return {default_hash_keys(), false, false, read.refusal};
    return decode_keys(read.bytes);
}

KeysLoad decode_keys(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < static_cast<std::size_t>(KEY_FILE_BYTES))
        return {default_hash_keys(), false, false, std::nullopt};
    KeysLoad result;
    result.from_file = true;
    for (int i = 0; i < KEY_TABLE_WORDS; ++i) {
        result.keys.index[i] = read_le32(&bytes[4 * i]);
        result.keys.check[i] = read_le32(&bytes[4 * (KEY_TABLE_WORDS + i)]);
    }
    if (!keys_usable(result.keys)) return {default_hash_keys(), false, true, std::nullopt};
    return result;
}

std::vector<std::uint8_t> encode_hash_keys(const HashKeys& keys) {
    std::vector<std::uint8_t> bytes(KEY_FILE_BYTES);
    for (int i = 0; i < KEY_TABLE_WORDS; ++i) {
        write_le32(&bytes[4 * i], keys.index[i]);
        write_le32(&bytes[4 * (KEY_TABLE_WORDS + i)], keys.check[i]);
    }
    return bytes;
}

PositionKeys position_keys(const BoardArray& board, const HashKeys& keys) {
    PositionKeys k;
    for (int s = 1; s <= NUM_SQUARES; ++s) {
        const std::uint8_t code = board[s];
        if (code < WHITE_MAN || code > BLACK_KING) continue;
        k.index ^= keys.index[key_slot(code, static_cast<Square>(s))];
        k.check ^= keys.check[key_slot(code, static_cast<Square>(s))];
    }
    return k;
}

std::uint32_t learned_index_key(const BoardArray& board,
                                const std::array<std::uint32_t, KEY_TABLE_WORDS>& words) {
    std::uint32_t key = 0;
    for (int s = 1; s <= NUM_SQUARES; ++s) {
        const std::uint8_t code = board[s];
        if (code < WHITE_MAN || code > BLACK_KING) continue;
        key ^= words[key_slot(code, static_cast<Square>(s))];
    }
    return key;
}

} // namespace selvako
