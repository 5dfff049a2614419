#pragma once
// The full evaluation as the search sees it.

#include "eval/evaluate.h"
#include "search/leaf_evaluation.h"

namespace selvako {

class SearchEvaluation final : public LeafEvaluation {
  public:
    explicit SearchEvaluation(EvalState& eval) : m_eval(eval) {}

    void prepare_evaluation(EngineState& st, int root_side) override {
        selvako::prepare_evaluation(m_eval, st, root_side);
    }
    Score evaluate(EngineState& st, int side, Score alpha, Score beta) override {
        return selvako::evaluate(m_eval, st, side, alpha, beta);
    }
    bool opening_phase() const override { return m_eval.root_phase == PHASE_OPENING; }
    void set_root_piece(std::uint8_t code) override { m_eval.root_piece = code; }
    void mark_leaf() override { m_eval.called_at_leaf = true; }

  private:
    EvalState& m_eval;
};

} // namespace selvako
