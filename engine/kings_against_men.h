#pragma once
// Recognises endings that a king holding one of the main diagonals wins
// against a few men that cannot get past it: the men stand where the king
// catches them and none can reach a square next to the other side's pieces.

#include "engine/board.h"

namespace selvako {

// `men` is the number of men of the side without a king, `king_side` the side
// with the king or kings (0 White, 1 Black). True when the ending is won for
// `king_side`.
bool kings_against_men(const BoardArray& board, int men, int king_side);

} // namespace selvako
