#pragma once
// Positions as text: "W:W<squares>:B<squares>", the letter before the first
// colon giving the side to move. Squares are algebraic names (c3) or this
// program's numbers 1..32, a K before a square marks a king, and a numeric
// range such as 21-32 lists several men at once.

#include <optional>
#include <string>
#include <string_view>

#include "engine/board.h"

namespace selvako {

struct Position {
    BoardArray board = empty_board();
    int side_to_move = WHITE;
};

struct FenResult {
    std::optional<Position> position;
    std::string error; // one line naming what is wrong, when position is empty
};

FenResult parse_fen(std::string_view text);
std::string to_fen(const Position& position);

// A square written as "c3", "C3" or "22"; 0 when it names no playable square.
Square parse_square(std::string_view text);

} // namespace selvako
