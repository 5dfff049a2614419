#pragma once
// The move record shared by the generators, the search and the game record,
// and the way moves are written out.

#include <cstdint>
#include <string>

#include "engine/board.h"

namespace selvako {

// A side has at most 12 pieces, so 15 captured squares is more than enough;
// only the first `taken` entries are meaningful.
inline constexpr int MAX_CAPTURED = 15;

struct Move {
    Square from = 0;
    Square to = 0;
    std::uint8_t taken = 0;
    Square captured[MAX_CAPTURED] = {};
    std::int16_t key = 0; // ordering key, larger first
};
static_assert(sizeof(Move) == 20, "the move record is 3 + 15 bytes and a 16-bit key");

// Equality for killer and alternative moves: from and to only.
constexpr bool same_squares(const Move& a, const Move& b) {
    return a.from == b.from && a.to == b.to;
}

// "c3-d4" for a plain move, "c3xe5" for a capture: only from and to are written.
std::string move_text(const Move& move);
std::string move_text(Square from, Square to, bool capture);

// A line of the search's root-move list: "c3-d4 :    12", and with the marker
// "c3-d4 :    12 ?<---" for the move being searched.
std::string root_move_line(const Move& move, int shown_score, bool being_searched);

} // namespace selvako
