#include "engine/endgame_tables.h"

#include "engine/crc32.h"
#include "engine/file_reading.h"

namespace selvako {

namespace {

constexpr int WIN_SCORE = 32000;
// Four-piece tables may only settle a node with a draw or a decisive score. The
// tables of tools/endgame_generator hold exact distances, which always score
// beyond it; the bound keeps any other table's approximate values out of the search.
constexpr int FOUR_PIECE_THRESHOLD = 1000;

// The CRC-32 that tools/endgame_generator prints for each table, in the
// order of TABLE_LAYOUTS. The tables follow from the rules alone, so these
// change only with a change to the rules or to the tables' layout.
constexpr std::array<std::uint32_t, NUM_ENDGAME_TABLES> TABLE_CRCS = {{
    0x5f7480d2u /* dod */,   0x40472b2bu /* pod */,
    0x28ed1812u /* dop */,   0xe9933d49u /* pop */,
    0x1780b867u /* ddod */,  0xdd532d03u /* dodd */,
    0xf1348273u /* ddop */,  0x1ab85644u /* podd */,
    0x45cbd88bu /* pdod */,  0xb28a5f79u /* dopd */,
    0x9ce0bd0au /* pdop */,  0x523610f9u /* popd */,
    0x0fa2f29du /* ppod */,  0xbed2222du /* dopp */,
    0x070bf637u /* ppop */,  0x3c1bdc95u /* popp */,
    0x518b065bu /* dddod */, 0xc6b6a8aeu /* doddd */,
    0x0cd69a87u /* pddod */, 0xc200184fu /* dopdd */,
    0x9900362bu /* ppdod */, 0x91204ccau /* doppd */
}};

// The file's bytes when it has exactly the size of its layout; each table
// format says its own size, so a table of another format added later is
// judged by its own.
std::vector<std::int8_t> read_table(const std::filesystem::path& path, std::uint32_t size,
                                    std::optional<FileRefusal>& refusal) {
    FileBytesRead read = read_file_bytes(path, FileSize::exactly(size));
    refusal = read.refusal;
    if (!read.ok()) return {};
    return std::vector<std::int8_t>(read.bytes.begin(), read.bytes.end());
}

} // namespace

TableCheck check_table(int table, std::span<const std::int8_t> bytes) {
    if (bytes.size() != TABLE_LAYOUTS[table].size) return TableCheck::wrong_size;
    return crc32(bytes.data(), bytes.size()) == TABLE_CRCS[table] ? TableCheck::usable
                                                                   : TableCheck::wrong_contents;
}

int load_databases(EndgameTables& tables, const std::filesystem::path& folder,
                   std::vector<FileRefusal>* refused) {
    int read = 0;
    for (int t = 0; t < NUM_ENDGAME_TABLES; ++t) {
        const TableLayout& layout = TABLE_LAYOUTS[t];
        const std::filesystem::path path = folder / layout.file_name;
        std::optional<FileRefusal> refusal;
        std::vector<std::int8_t> bytes = read_table(path, layout.size, refusal);
        if (!refusal && check_table(t, bytes) != TableCheck::usable)
            refusal = FileRefusal{path, FileProblem::corrupt, bytes.size(), layout.size, 0};
        // A missing table is a miss at each probe: no news to give about it.
        if (refusal && refusal->problem != FileProblem::missing && refused)
            refused->push_back(*refusal);
        if (refusal) bytes.clear();
        tables.tables[t] = std::move(bytes);
        if (!tables.tables[t].empty()) ++read;
    }
    tables.loaded = true;
    return read;
}

std::optional<std::int8_t> stored_value(const EndgameTables& tables, const TableEntry& entry) {
    if (entry.table < 0 || entry.table >= NUM_ENDGAME_TABLES) return std::nullopt;
    const auto& bytes = tables.tables[entry.table];
    if (entry.offset >= bytes.size()) return std::nullopt;
    return bytes[entry.offset];
}

std::int16_t database_score(std::int8_t value, int ply) {
    if (value > 0) return static_cast<std::int16_t>(WIN_SCORE - value - ply);
    if (value < 0) return static_cast<std::int16_t>(-WIN_SCORE - value + ply);
    return 0;
}

std::optional<std::int16_t> probe_database(const EndgameTables& tables, const BoardArray& board,
                                           const PieceCounts& counts, int side_to_move, int ply) {
    const auto entry = locate_position(board, counts, side_to_move);
    if (!entry) return std::nullopt;
    const auto value = stored_value(tables, *entry);
    if (!value) return std::nullopt;
    std::int16_t score = database_score(*value, ply);
    if (ply % 2 == 0) score = static_cast<std::int16_t>(-score);
    if (TABLE_LAYOUTS[entry->table].pieces() == MAX_TABLE_PIECES && score != 0 &&
        score >= -FOUR_PIECE_THRESHOLD && score <= FOUR_PIECE_THRESHOLD)
        return std::nullopt;
    return score;
}

} // namespace selvako
