#pragma once
// The packed endgame tables in memory (the endings of four and five pieces
// that no ".bib" file holds) and the score the search takes from them.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/packed_endgame_format.h"
#include "engine/packed_endgame_index.h"

namespace selvako {

struct PackedEndgameTables {
    // One per material of packed_materials(); empty when its file was missing
    // or refused, and every probe of that table then misses.
    std::array<std::optional<PackedTable>, NUM_PACKED_TABLES> tables;
    int loaded = 0;
};

// The file of packed table `table` at `path`, whole, or nothing with the
// reason in `error`: not a plain file, not exactly the size its block list
// gives, a broken block, or a CRC-32 other than the one the generator gave.
std::optional<PackedTable> read_packed_table(const std::filesystem::path& path, int table,
                                             std::string& error);

// Reads the packed tables found in `folder` and replaces `tables` with them.
// A missing file is a miss at each probe; a file that is there but refused
// adds "NAME: reason" to `refused`, if given. Returns the number read.
int load_packed_tables(PackedEndgameTables& tables, const std::filesystem::path& folder,
                       std::vector<std::string>* refused = nullptr);

// The stored value of an entry, or nothing when its table is not loaded.
std::optional<std::int8_t> packed_value(const PackedEndgameTables& tables,
                                        const PackedEntry& entry);

// As probe_database (engine/endgame_tables.h), for the packed tables: the
// search's score from the root side's point of view, or nothing.
std::optional<std::int16_t> probe_packed(const PackedEndgameTables& tables, const BoardArray& board,
                                         const PieceCounts& counts, int side_to_move, int ply);

} // namespace selvako
