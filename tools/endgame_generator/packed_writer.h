#pragma once
// Solves every ending of up to `max_pieces` pieces, checks the endings of the
// ".bib" files against the solver of those files, and writes a packed table
// (engine/packed_endgame_format.h) for each ending no ".bib" file holds, with
// a line per file: counts of results, longest win and loss, size and CRC-32.
// Returns the program's exit status.

#include <filesystem>

#include "engine/packed_endgame_index.h"

namespace selvako::tables {

int write_packed_tables(const std::filesystem::path& folder, int max_pieces);

} // namespace selvako::tables
