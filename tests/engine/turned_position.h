#pragma once
// A position turned round with the colours exchanged, and a move likewise:
// what one side can do, the other can do in the turned position.

#include <string>

#include "engine/fen.h"
#include "engine/move.h"

namespace selvako::testing {

inline std::string turned_fen(const std::string& fen) {
    const auto parsed = parse_fen(fen);
    Position p;
    constexpr std::uint8_t swap[5] = {0, BLACK_MAN, BLACK_KING, WHITE_MAN, WHITE_KING};
    for (int s = 1; s <= 32; ++s) p.board[33 - s] = swap[parsed.position->board[s]];
    p.side_to_move = 1 - parsed.position->side_to_move;
    return to_fen(p);
}

inline std::string turned_move(const std::string& text) {
    const Square from = parse_square(text.substr(0, 2));
    const Square to = parse_square(text.substr(3, 2));
    return move_text(static_cast<Square>(33 - from), static_cast<Square>(33 - to), text[2] == 'x');
}

} // namespace selvako::testing
