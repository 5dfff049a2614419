#include "engine/packed_endgame_format.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "engine/crc32.h"

namespace selvako {

namespace {

constexpr std::array<std::uint8_t, 4> MAGIC = {'S', 'V', 'E', 'G'};
constexpr std::uint8_t VERSION = 1;
constexpr std::size_t HEADER_BYTES = 20;
constexpr std::size_t CRC_BYTES = 4;
constexpr int MAX_WIDTH = 8;

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::uint32_t get_u32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint32_t block_count(std::uint32_t entries) {
    return (entries + PACKED_BLOCK_ENTRIES - 1) / PACKED_BLOCK_ENTRIES;
}

std::uint32_t entries_in_block(std::uint32_t entries, std::uint32_t block) {
    return std::min(PACKED_BLOCK_ENTRIES, entries - block * PACKED_BLOCK_ENTRIES);
}

std::size_t code_bytes(std::uint32_t count, int width) {
    return (static_cast<std::size_t>(count) * static_cast<std::size_t>(width) + 7) / 8;
}

void pack_block(std::span<const std::int8_t> values, std::vector<std::uint8_t>& out) {
    std::vector<std::int8_t> palette(values.begin(), values.end());
    std::sort(palette.begin(), palette.end());
    palette.erase(std::unique(palette.begin(), palette.end()), palette.end());
    int width = 0;
    while ((std::size_t{1} << width) < palette.size()) ++width;
    // Every code of w bits names a value: the list is padded with its last one.
    palette.resize(std::size_t{1} << width, palette.back());
    out.push_back(static_cast<std::uint8_t>(width));
    for (std::int8_t v : palette) out.push_back(static_cast<std::uint8_t>(v));
    const std::size_t start = out.size();
    out.resize(start + code_bytes(static_cast<std::uint32_t>(values.size()), width), 0);
    std::size_t bit = 0;
    for (std::int8_t v : values) {
        const auto code = static_cast<std::uint32_t>(
            std::lower_bound(palette.begin(), palette.end(), v) - palette.begin());
        for (int b = 0; b < width; ++b, ++bit)
            if (code >> b & 1u) out[start + bit / 8] |= static_cast<std::uint8_t>(1u << (bit % 8));
    }
}

} // namespace

std::vector<std::uint8_t> pack_table(const TableMaterial& m, std::span<const std::int8_t> values) {
    const auto entries = static_cast<std::uint32_t>(values.size());
    const std::uint32_t blocks = block_count(entries);
    std::vector<std::uint8_t> out(MAGIC.begin(), MAGIC.end());
    out.push_back(VERSION);
    for (std::uint8_t c : {m.own_men, m.own_kings, m.other_men, m.other_kings}) out.push_back(c);
    out.insert(out.end(), 3, 0);
    put_u32(out, entries);
    put_u32(out, blocks);
    const std::size_t list_at = out.size();
    out.resize(list_at + 4u * (blocks + 1u), 0);
    const std::size_t blocks_start = out.size();
    for (std::uint32_t b = 0; b <= blocks; ++b) {
        const auto start = static_cast<std::uint32_t>(out.size() - blocks_start);
        for (int i = 0; i < 4; ++i)
            out[list_at + 4u * b + static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(start >> (8 * i));
        if (b == blocks) break;
        pack_block(
            values.subspan(std::size_t{b} * PACKED_BLOCK_ENTRIES, entries_in_block(entries, b)),
            out);
    }
    put_u32(out, crc32(out.data(), out.size()));
    return out;
}

std::optional<PackedTable> PackedTable::from_bytes(std::vector<std::uint8_t> bytes,
                                                   const TableMaterial& m, std::uint32_t entries,
                                                   std::string& error) {
    const std::uint32_t blocks = block_count(entries);
    const std::size_t blocks_start = HEADER_BYTES + 4u * (std::size_t{blocks} + 1u);
    if (bytes.size() < blocks_start + CRC_BYTES) {
        error = "too short";
        return std::nullopt;
    }
    const std::uint8_t* p = bytes.data();
    const std::array<std::uint8_t, 12> header = {MAGIC[0],      MAGIC[1],  MAGIC[2],    MAGIC[3],
                                                 VERSION,       m.own_men, m.own_kings, m.other_men,
                                                 m.other_kings, 0,         0,           0};
    if (std::memcmp(p, header.data(), header.size()) != 0 || get_u32(p + 12) != entries ||
        get_u32(p + 16) != blocks) {
        error = "not a table of this material";
        return std::nullopt;
    }
    const std::size_t body = bytes.size() - blocks_start - CRC_BYTES;
    std::uint32_t expected_start = 0;
    for (std::uint32_t b = 0; b < blocks; ++b) {
        const std::uint32_t start = get_u32(p + HEADER_BYTES + 4u * b);
        if (start != expected_start || start >= body) {
            error = "block list broken";
            return std::nullopt;
        }
        const std::uint8_t* block = p + blocks_start + start;
        const int width = block[0];
        if (width > MAX_WIDTH) {
            error = "block list broken";
            return std::nullopt;
        }
        const std::size_t values = std::size_t{1} << width;
        const std::size_t length = 1 + values + code_bytes(entries_in_block(entries, b), width);
        if (length > body - start) {
            error = "wrong size";
            return std::nullopt;
        }
        for (std::size_t i = 0; i < values; ++i)
            if (block[1 + i] == 0x80) {
                error = "a value no table holds";
                return std::nullopt;
            }
        expected_start = static_cast<std::uint32_t>(start + length);
    }
    if (get_u32(p + HEADER_BYTES + 4u * blocks) != expected_start || expected_start != body) {
        error = "wrong size";
        return std::nullopt;
    }
    const std::size_t crc_at = bytes.size() - CRC_BYTES;
    const std::uint32_t crc = crc32(p, crc_at);
    if (crc != get_u32(p + crc_at)) {
        error = "CRC-32 does not match";
        return std::nullopt;
    }
    PackedTable table;
    table.m_bytes = std::move(bytes);
    table.m_entries = entries;
    table.m_crc = crc;
    table.m_blocks_start = blocks_start;
    return table;
}

std::int8_t PackedTable::value(std::uint32_t index) const {
    if (index >= m_entries) return 0;
    const std::uint32_t b = index / PACKED_BLOCK_ENTRIES;
    const std::uint8_t* block =
        m_bytes.data() + m_blocks_start + get_u32(m_bytes.data() + HEADER_BYTES + 4u * b);
    const int width = block[0];
    const std::uint8_t* codes = block + 1 + (std::size_t{1} << width);
    const std::size_t bit =
        std::size_t{index % PACKED_BLOCK_ENTRIES} * static_cast<std::size_t>(width);
    std::uint32_t code = 0;
    for (int k = 0; k < width; ++k) {
        const std::size_t at = bit + static_cast<std::size_t>(k);
        code |= static_cast<std::uint32_t>(codes[at / 8] >> (at % 8) & 1u) << k;
    }
    return static_cast<std::int8_t>(block[1 + code]);
}

} // namespace selvako
