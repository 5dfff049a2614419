#pragma once
// Orders a freshly generated move list from what earlier searches learnt:
// the principal variation for captures, the transposition-table hint, killer
// and alternative moves deeper in the tree, and last iteration's scores at the root.

#include "engine/engine_state.h"

namespace selvako {

void order_moves(EngineState& st, int count, bool captures);

// The killer ordering of the list at the current ply (exposed for tests).
void apply_killer_ordering(EngineState& st, int count);
void apply_root_ordering(EngineState& st, int count);

inline constexpr std::int16_t HINT_KEY = 255;

} // namespace selvako
