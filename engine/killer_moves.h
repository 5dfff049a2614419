#pragma once
// Killer and alternative moves, and the triangular principal-variation table.
// Killers are kept per ply with their scores from the root side's point of
// view, so a better killer at an odd ply is a higher score and at an even ply
// a lower one.

#include "engine/engine_state.h"

namespace selvako {

void store_killer(EngineState& st, const Move& move, int score, int ply);
void store_alternative(EngineState& st, const Move& move, int ply);
void clear_killers_at(EngineState& st, int ply);

// Before the next iteration: the moves of the principal variation, up to ply
// `bound`, become the first killers of their plies with a score 290 worse
// than the iteration's, so they are tried first but give way to any real
// refutation; captures clear their ply's killers.
void seed_killers(EngineState& st, int score, int bound);

// Puts `move` at the head of row `ply` of the variation and appends the
// best line found one ply deeper.
void update_pv(EngineState& st, const Move& move, int ply);

} // namespace selvako
