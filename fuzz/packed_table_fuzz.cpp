// The packed endgame tables: the bytes after the first (which picks the
// material) are read as that material's file. A file the reader takes must
// answer every probe inside its own bytes, with a value a table can hold.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/packed_endgame_format.h"
#include "engine/packed_endgame_index.h"

using namespace selvako;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const TableMaterial& material = packed_materials()[data[0] % NUM_PACKED_TABLES];
    const std::uint32_t entries = packed_table_size(material);
    std::string error;
    const auto table = PackedTable::from_bytes(std::vector<std::uint8_t>(data + 1, data + size),
                                               material, entries, error);
    if (!table) {
        if (error.empty()) __builtin_trap();
        return 0;
    }
    if (table->entries() != entries) __builtin_trap();
    // Every block's first and last entry, and a spread of others.
    for (std::uint32_t index = 0; index < entries; index += PACKED_BLOCK_ENTRIES / 2 - 1) {
        const std::int8_t v = table->value(index);
        if (v == -128) __builtin_trap();
    }
    if (table->value(entries - 1) == -128) __builtin_trap();
    return 0;
}
