#pragma once
// The four terms that look at fixed configurations of men. Each computes its
// value from White's point of view and returns it negated for a non-zero side.

#include <cstdint>

#include "engine/board.h"
#include "eval/formations.h"

namespace selvako {

// The board as the pattern terms read it, with the few numbers they need.
struct PatternBoard {
    const BoardArray& board;
    const PieceCounts& counts;
    int ply;                               // the engine's side moves at odd plies
    int root_phase;                        // 0 opening .. 3 final
    BoardMasks masks = board_masks(board); // for the formation catalogues
};

// White is to move when the ply is odd and the side is White, or the ply is
// even and the side is Black.
constexpr bool white_to_move(int ply, int side) {
    return (ply % 2 == 1) == (side == WHITE);
}

// Men that can be taken at once, holes behind men, free steps: -60..60.
int man_safety(const PatternBoard& pb, int side);
// Men one to three rows from promotion and whether their way is free:
// -187..187, the side to move's threats counting half again.
int promotion_threats(const PatternBoard& pb, int side);
// Back-rank and edge formations by root phase: -45..45.
int back_rank_structure(const PatternBoard& pb, int side);
// King-less formations of advanced men that break through for the side to
// move: 0, 80, 120 or 180 either way.
int breakthrough_patterns(const PatternBoard& pb, int side);

} // namespace selvako
