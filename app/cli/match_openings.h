#pragma once
// The openings a match starts its games from: a few plies each, played once
// with each colour. A file lists one opening a line, its moves in the
// notation of the move list ("c3-d4 f6-e5") or in numbers, played from the
// start position or from a FEN position written first on the line (an
// ending to test a change of the evaluation on); blank lines and lines
// starting with '#' are skipped.

#include <filesystem>
#include <string>
#include <vector>

#include "engine/fen.h"
#include "engine/move.h"

namespace selvako::cli {

struct Opening {
    std::string text;
    Position start{start_position(), WHITE};
    std::vector<Move> moves;
};

// Nothing, with `problem` set, when the file cannot be read, holds no
// opening, a line's position cannot be read, or its moves are not legal
// one after the other.
std::vector<Opening> read_openings(const std::filesystem::path& path, std::string& problem);

// The openings used while no repertoire file is given.
std::vector<Opening> builtin_openings();

// The opening a line describes; `problem` set when its position cannot be
// read or a move is not legal in its place.
Opening parse_opening(const std::string& text, std::string& problem);

} // namespace selvako::cli
