#pragma once
// Plays a move of the current ply's list on the engine board. There is no
// unmake: callers save the board and counters before and copy them back.

#include "engine/engine_state.h"

namespace selvako {

void make_move(EngineState& st, int index);

// The same for a move record that is not in a list (game control, tools).
void make_move(EngineState& st, const Move& move);

// The index key the position will have once `move` is played, the board
// left as it is: the search asks for a child's table slot ahead of time.
std::uint32_t index_key_after(const EngineState& st, const Move& move);

} // namespace selvako
