#pragma once
// A repertoire line as a game: its moves replayed from the start position
// with the move generator, written back in the file's own form
// ("22-18  9-14 ") and in algebraic notation ("c3-d4 b6-c5") for a reader.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/move.h"
#include "engine/repertoire.h"

namespace selvako {

struct LineReplay {
    // The moves played, as the generator gives them (captures whole).
    std::vector<Move> moves;
    // Whether every move was one legal move of the side to move; if not, the
    // replay stopped before moves.size() (the index of the refused move).
    bool legal = true;
    BoardArray board = start_position();
    int side_to_move = WHITE;
};

// Plays the moves from the start position, White first. A move is legal when
// it is the from- and to-square of a move the generator gives; where two
// captures share both squares (different routes) the first is played, which
// leaves the same pieces taken in count.
LineReplay replay_line(std::span<const PlayedMove> moves);

// "%2d-%2d " for each move: the form the program writes into .ouv files.
std::string repertoire_line_text(std::span<const PlayedMove> moves);

// "c3-d4 b6-c5 d4xb6" for a replayed line; the first illegal move is shown
// by its squares with a "?" and ends the text.
std::string algebraic_line(std::span<const PlayedMove> moves);

} // namespace selvako
