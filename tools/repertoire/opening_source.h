#pragma once
// The readable source of the shipped repertoires: one opening line per text
// line, "W", "B" or "WB" (the repertoires it goes into) followed by its moves
// in algebraic notation and a "#" comment naming it. Lines starting with "#"
// are comments. Read by the generator and by the checks of the shipped lines.

#include <string>
#include <vector>

#include "engine/repertoire.h"

namespace selvako {

struct SourceLine {
    int number = 0; // in the source file, for messages
    bool white = false;
    bool black = false;
    std::vector<PlayedMove> moves;
    std::string name;
};

struct OpeningSource {
    std::vector<SourceLine> lines;
    std::string error; // the first fault, naming its line; empty when read whole
};

// Every line is replayed from the start: a move that is not legal there
// (majority capture included) is a fault of the source.
OpeningSource read_opening_source(const std::string& path);

} // namespace selvako
