#pragma once
// The endgame tables in memory and the score the search takes from them.
//
// Each byte is the result of a position for the side to move: 0 a draw, +n a
// win and -n a loss, n being the number of plies to the end of the game with
// best play. -1 marks a side to move without any legal move.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/endgame_index.h"
#include "engine/file_reading.h"

namespace selvako {

struct EndgameTables {
    // One vector per file of TABLE_LAYOUTS; empty when the file was missing or
    // had the wrong size, and every probe of that table then misses.
    std::array<std::vector<std::int8_t>, NUM_ENDGAME_TABLES> tables;
    // Set by load_databases; whoever changes the files clears it to have them read again.
    bool loaded = false;
};

// Reads the 22 files from `folder`, each whole, and sets `loaded`. Returns the
// number of tables read. A file of another size than its layout's, or of the
// right size whose CRC-32 is not the one the generator gave, is not used,
// like a missing one: its wrong results would turn draws into wins. Each
// file refused for a reason other than its absence goes into `refused`, if
// given, with the reason.
int load_databases(EndgameTables& tables, const std::filesystem::path& folder,
                   std::vector<FileRefusal>* refused = nullptr);

enum class TableCheck : std::uint8_t { usable, wrong_size, wrong_contents };

// Whether the bytes of a file can serve as table `table` of TABLE_LAYOUTS:
// exactly its size, and the CRC-32 the generator gave.
TableCheck check_table(int table, std::span<const std::int8_t> bytes);

// The stored byte of a table entry, or nothing when that table is not loaded.
std::optional<std::int8_t> stored_value(const EndgameTables& tables, const TableEntry& entry);

// A stored value turned into a search score at `ply` (1 = root), seen from the
// side to move at that ply: a win in n plies is 32000 - n - ply, so that the
// end of the game scores as the search's own wins do.
std::int16_t database_score(std::int8_t value, int ply);

// The search's score of the position on `board` with `side_to_move` to play at
// `ply`, from the point of view of the side to move at the root (the side to
// move at odd plies), or nothing when no loaded table holds the position.
// `counts` are the piece counts of `board` (indexed by piece code). A four-piece
// table gives only a draw or a score beyond +-1000; other values miss.
std::optional<std::int16_t> probe_database(const EndgameTables& tables, const BoardArray& board,
                                           const PieceCounts& counts, int side_to_move, int ply);

} // namespace selvako
