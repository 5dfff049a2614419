#include "engine/endgame_tables.h"

#include <fstream>

namespace selvako {

namespace {

constexpr int WIN_SCORE = 32000;
// Four-piece tables may only settle a node with a draw or a decisive score. The
// tables of tools/endgame_generator hold exact distances, which always score
// beyond it; the bound keeps any other table's approximate values out of the search.
constexpr int FOUR_PIECE_THRESHOLD = 1000;

// The file's bytes if it holds exactly `size` of them, else nothing.
std::vector<std::int8_t> read_table(const std::filesystem::path& path, std::uint32_t size) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::vector<std::int8_t> bytes(size + 1u);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(size)) return {};
    bytes.pop_back();
    return bytes;
}

} // namespace

int load_databases(EndgameTables& tables, const std::filesystem::path& folder) {
    int read = 0;
    for (int t = 0; t < NUM_ENDGAME_TABLES; ++t) {
        const TableLayout& layout = TABLE_LAYOUTS[t];
        tables.tables[t] = read_table(folder / layout.file_name, layout.size);
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
