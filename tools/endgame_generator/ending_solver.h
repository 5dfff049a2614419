#pragma once
// Solves every ending of up to five pieces by retrograde analysis, material by
// material, in the packed tables' indexing (engine/packed_endgame_index.h).
//
// The graph of a table is never stored: captures and promotions are followed
// forward once from every position into the endings already solved, and the
// quiet moves inside a table are walked backward (a king slides back, a man
// steps back) from each position as its result becomes known.

#include <cstdint>
#include <vector>

#include "engine/endgame_index.h"

namespace selvako::tables {

// As in retrograde_solver.h: odd distances win for the side to move, even ones
// lose (0: no legal move), NO_DISTANCE for a draw and for indexes that hold no
// position.
inline constexpr std::uint16_t NO_DISTANCE = 0xFFFF;

class SolvedEndings {
  public:
    // Every material of two to `max_pieces` pieces (at most five) in which each
    // side has a piece. Prints a line per material solved when `verbose`.
    static SolvedEndings solve(int max_pieces, bool verbose);

    // The distances of a material's table, indexed by packed_index.
    const std::vector<std::uint16_t>& distances(const TableMaterial& material) const;

  private:
    std::vector<std::vector<std::uint16_t>> m_tables;
};

} // namespace selvako::tables
