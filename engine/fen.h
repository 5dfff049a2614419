#pragma once
// Positions as text: "W:W<squares>:B<squares>", the letter before the first
// colon giving the side to move. Squares are algebraic names (c3) or numbers
// 1..32 counted as PDN files count them on this board (1 = a1, 2 = c1, ...,
// 32 = h8, from White's side), a K before a square marks a king, and a
// numeric range such as 1-12 lists several men at once.

#include <optional>
#include <string>
#include <string_view>

#include "engine/board.h"

namespace selvako {

struct Position {
    BoardArray board = empty_board();
    int side_to_move = WHITE;
};

// What a refused text gets wrong, for a reader that words it in its own
// language; `error` words it in English.
enum class FenFault {
    none,
    no_colon,        // no ':' after the side to move
    bad_side,        // the side to move is not W or B
    empty_section,   // "::" or a ':' at the end
    bad_list_side,   // a list that starts with neither W nor B
    side_twice,      // the same side's list twice
    empty_square,    // ",," or a list's leading ','
    bad_range,       // a range such as 12-3 or 1-40
    unknown_square,  // an item that names no playable square
    square_twice,    // one square given two pieces
    trailing_comma,  // a list ending in ','
    side_missing,    // no list for one side
    too_many_pieces, // more than 12 pieces for one side
    promotion_row,   // a man where it would already have been crowned
};

struct FenResult {
    std::optional<Position> position;
    std::string error; // one line naming what is wrong, when position is empty
    FenFault fault = FenFault::none;
    // The text, square or list the fault is in ("K40", "c3", "W1,2,"), or the
    // side's letter for side_twice, empty_square, too_many_pieces.
    std::string where;
};

FenResult parse_fen(std::string_view text);
std::string to_fen(const Position& position);

// A square written as "c3", "C3" or "10" (PDN number); 0 when it names no
// playable square.
Square parse_square(std::string_view text);

// PDN's numbers run from White's side (1 = a1, 32 = h8); the program's own
// squares run from the top (1 = b8). Neither accepts an out-of-range value:
// the answer is 0.
Square square_of_pdn_number(int number);
int pdn_number(Square s);

} // namespace selvako
