#pragma once
// The file format of a packed endgame table: the results of one material's
// table (one signed byte each, as in the ".bib" files: 0 a draw, +n a win and
// -n a loss in n plies, -1 no legal move) cut into blocks of 4096 entries,
// each block packed against a small list of the values it holds, so that a
// probe decodes one entry of one block.
//
// Little-endian:
//   offset 0   4 bytes  "SVEG"
//          4   1 byte   format version, 1
//          5   4 bytes  the material: own men, own kings, other men, other kings
//          9   3 bytes  zero
//         12   4 bytes  the number of entries (the table's size)
//         16   4 bytes  B, the number of blocks
//         20   4(B+1)   the start of each block and the end of the last,
//                       counted from the first byte after this list
//   then the blocks, then 4 bytes: the CRC-32 of every byte before them.
// A block: one byte w (0 to 8), then 2^w values (signed bytes, -127 to 127),
// then each entry's position among them in w bits, least significant bit
// first, padded with zero bits to a whole byte.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/endgame_index.h"

namespace selvako {

inline constexpr std::uint32_t PACKED_BLOCK_ENTRIES = 4096;

// The file's bytes for a table's values.
std::vector<std::uint8_t> pack_table(const TableMaterial& material,
                                     std::span<const std::int8_t> values);

// A file's bytes once checked: every block lies where the list says, every
// value is one a table can hold, and the CRC-32 matches.
class PackedTable {
  public:
    // The bytes as a file of `material`'s table of `entries` entries, or
    // nothing with the reason in `error`.
    static std::optional<PackedTable> from_bytes(std::vector<std::uint8_t> bytes,
                                                 const TableMaterial& material,
                                                 std::uint32_t entries, std::string& error);

    std::int8_t value(std::uint32_t index) const;
    std::uint32_t entries() const { return m_entries; }
    std::uint32_t crc() const { return m_crc; }
    std::size_t size_in_bytes() const { return m_bytes.size(); }

  private:
    std::vector<std::uint8_t> m_bytes;
    std::uint32_t m_entries = 0;
    std::uint32_t m_crc = 0;
    std::size_t m_blocks_start = 0;
};

} // namespace selvako
