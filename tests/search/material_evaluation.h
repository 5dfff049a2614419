#pragma once
// A plain material count standing in for the full evaluation, so that the
// search's own rules can be tested against scores worked out by hand.

#include "search/leaf_evaluation.h"

namespace selvako::testing {

class MaterialEvaluation final : public LeafEvaluation {
  public:
    void prepare_evaluation(EngineState&, int) override {}
    Score evaluate(EngineState& st, int side, Score, Score) override {
        const auto& c = st.counts;
        const int white = 200 * c[WHITE_MAN] + 500 * c[WHITE_KING];
        const int black = 200 * c[BLACK_MAN] + 500 * c[BLACK_KING];
        return static_cast<Score>(side == BLACK ? black - white : white - black);
    }
    bool opening_phase() const override { return false; }
    void set_root_piece(std::uint8_t) override {}
    void mark_leaf() override {}
};

} // namespace selvako::testing
