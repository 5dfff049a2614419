#include "engine/packed_endgame_tables.h"


#include "engine/endgame_tables.h"
#include "engine/file_reading.h"

namespace selvako {

namespace {

// The CRC-32 that `endgame_generator --packed` prints for each file, in the
// order of packed_materials(). The tables follow from the rules alone: these
// change only with the rules or the format.
constexpr std::array<std::uint32_t, NUM_PACKED_TABLES> PACKED_TABLE_CRCS = {{
    0xe792065eu /* doppp */, 0xe108e9deu /* ddodd */,
    0x0d5cf3c5u /* ddopd */, 0x18fb71a7u /* ddopp */,
    0x8673cc48u /* dddop */, 0x721ce1efu /* poddd */,
    0x93315eafu /* popdd */, 0xa81cb3e4u /* poppd */,
    0x4391f9e4u /* poppp */, 0xc7fbc6a9u /* pdodd */,
    0x8157fb3fu /* pdopd */, 0xf8200efcu /* pdopp */,
    0x1204576cu /* pddop */, 0xfb4062e0u /* ppodd */,
    0x7151f8ddu /* ppopd */, 0x174782ebu /* ppopp */,
    0x84ad3a6bu /* ppdop */, 0x5d43f633u /* pppod */,
    0xd5a82df9u /* pppop */, 0xdb1fb498u /* dodddd */,
    0xbe045cd2u /* dopddd */, 0x5e8310deu /* doppdd */,
    0x316ff714u /* dopppd */, 0x07bbfb21u /* dopppp */,
    0x7761b5d7u /* ddoddd */, 0x628ab2e5u /* ddopdd */,
    0x0168e62du /* ddoppd */, 0xef9ce05eu /* ddoppp */,
    0xd6f43200u /* dddodd */, 0x50226b74u /* dddopd */,
    0xe0d10fdcu /* dddopp */, 0x5c1ced8au /* ddddod */,
    0xdb184192u /* ddddop */, 0xe7f07193u /* podddd */,
    0xb0ee6b88u /* popddd */, 0x2c5319c9u /* poppdd */,
    0x87fa7646u /* popppd */, 0x65426bc0u /* popppp */,
    0x86e4fce1u /* pdoddd */, 0x1adca73fu /* pdopdd */,
    0x5e662e38u /* pdoppd */, 0xd4363194u /* pdoppp */,
    0xd3202f20u /* pddodd */, 0xff9aa227u /* pddopd */,
    0x9898e43cu /* pddopp */, 0xb1ce21d3u /* pdddod */,
    0x94422b09u /* pdddop */, 0x3197e4eeu /* ppoddd */,
    0xb698617du /* ppopdd */, 0x235d5bd9u /* ppoppd */,
    0xa4dccb88u /* ppoppp */, 0xb970ae06u /* ppdodd */,
    0xa93f309au /* ppdopd */, 0xda13359au /* ppdopp */,
    0x7d54968au /* ppddod */, 0x685fd39eu /* ppddop */,
    0x71cb216bu /* pppodd */, 0x691bdfaau /* pppopd */,
    0x2c34fedeu /* pppopp */, 0x998393a1u /* pppdod */,
    0xce803513u /* pppdop */, 0xcdf30cf1u /* ppppod */,
    0xa58b4c10u /* ppppop */,
}};

// Header, block list, 4096 entries of 8 bits and a full value list per
// block, and the CRC: no file of the table can be longer.
std::uint64_t longest_file(std::uint32_t entries) {
    const std::uint64_t blocks = (entries + PACKED_BLOCK_ENTRIES - 1) / PACKED_BLOCK_ENTRIES;
    return 20 + 4 * (blocks + 1) + blocks * (1 + 256 + PACKED_BLOCK_ENTRIES) + 4;
}

} // namespace

std::optional<PackedTable> read_packed_table(const std::filesystem::path& path, int table,
                                             std::string& error) {
    const TableMaterial& material = packed_materials()[static_cast<std::size_t>(table)];
    const std::uint32_t entries = packed_table_size(material);
    FileBytesRead file = read_file_bytes(path, FileSize::at_most(longest_file(entries)));
    if (file.refusal) {
        switch (file.refusal->problem) {
        case FileProblem::not_regular:
            error = "not a plain file";
            break;
        case FileProblem::too_large:
            error = "too long";
            break;
        default:
            error = "cannot be opened";
            break;
        }
        return std::nullopt;
    }
    auto read = PackedTable::from_bytes(std::move(file.bytes), material, entries, error);
    if (read && read->crc() != PACKED_TABLE_CRCS[static_cast<std::size_t>(table)]) {
        error = "not the table the generator writes";
        return std::nullopt;
    }
    return read;
}

int load_packed_tables(PackedEndgameTables& tables, const std::filesystem::path& folder,
                       std::vector<std::string>* refused) {
    PackedEndgameTables read;
    for (int t = 0; t < NUM_PACKED_TABLES; ++t) {
        const std::string name = packed_file_name(packed_materials()[static_cast<std::size_t>(t)]);
        const std::filesystem::path path = folder / name;
        std::error_code missing;
        if (!std::filesystem::exists(path, missing)) continue;
        std::string error;
        auto table = read_packed_table(path, t, error);
        if (!table) {
            if (refused) refused->push_back(name + ": " + error);
            continue;
        }
        read.tables[static_cast<std::size_t>(t)] = std::move(table);
        ++read.loaded;
    }
    tables = std::move(read);
    return tables.loaded;
}

std::optional<std::int8_t> packed_value(const PackedEndgameTables& tables,
                                        const PackedEntry& entry) {
    if (entry.table < 0 || entry.table >= NUM_PACKED_TABLES) return std::nullopt;
    const auto& table = tables.tables[static_cast<std::size_t>(entry.table)];
    if (!table || entry.index >= table->entries()) return std::nullopt;
    return table->value(entry.index);
}

std::optional<std::int16_t> probe_packed(const PackedEndgameTables& tables, const BoardArray& board,
                                         const PieceCounts& counts, int side_to_move, int ply) {
    if (tables.loaded == 0) return std::nullopt;
    const auto entry = locate_packed(board, counts, side_to_move);
    if (!entry) return std::nullopt;
    const auto value = packed_value(tables, *entry);
    if (!value) return std::nullopt;
    std::int16_t score = database_score(*value, ply);
    if (ply % 2 == 0) score = static_cast<std::int16_t>(-score);
    return score;
}

} // namespace selvako
