#pragma once
// The game's positions that a search can bring back. Only plain king moves can
// lead back to an earlier position: a capture or a man's move never can. The
// record keeps each ply's two squares only, so the positions are rebuilt
// backwards from the board, ply by ply, for as long as each ply can only have
// been a plain king move.

#include <cstddef>
#include <span>
#include <vector>

#include "engine/board.h"
#include "engine/hash_keys.h"
#include "engine/repertoire.h"

namespace selvako {

struct PositionKey {
    std::uint32_t index = 0;
    std::uint32_t check = 0;
    bool operator==(const PositionKey&) const = default;
};

// The keys of the positions since the last ply that was not certainly a plain
// king move, oldest first, ending with `board` itself (side_to_move to play).
// A ply that took nothing and moved a king is recognised when the king stands
// on its end square, the way back is empty, the side could take nothing before
// it, and the king did not arrive on its promotion row (where a man may have
// been crowned).
std::vector<PositionKey> reversible_game_tail(const BoardArray& board,
                                              std::span<const PlayedMove> played,
                                              int side_to_move, const HashKeys& keys);

} // namespace selvako
