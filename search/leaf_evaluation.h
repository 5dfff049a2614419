#pragma once
// What the search asks of the static evaluation. The search is written against
// this so that it can be exercised with a plain material count while the
// program plugs in the full evaluation.

#include <cstdint>

#include "engine/engine_state.h"

namespace selvako {

using Score = std::int16_t;

class LeafEvaluation {
  public:
    virtual ~LeafEvaluation() = default;
    // Called once per search, after the piece counts are recounted.
    virtual void prepare_evaluation(EngineState& st, int root_side) = 0;
    // From `side`'s point of view; alpha and beta are the calling node's bounds.
    virtual Score evaluate(EngineState& st, int side, Score alpha, Score beta) = 0;
    // Whether this search's root position counts as the opening.
    virtual bool opening_phase() const = 0;
    // The code of the piece moved by the root move being searched.
    virtual void set_root_piece(std::uint8_t code) = 0;
    // Told before an evaluation at the search's horizon.
    virtual void mark_leaf() = 0;
};

} // namespace selvako
