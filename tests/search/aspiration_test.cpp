#include <gtest/gtest.h>

#include "search_harness.h"

namespace selvako {
namespace {

// Gives every leaf of an iteration the same score, chosen per iteration, and
// records the window that the iteration's first leaf sees, which is the
// window of the root since the first move of every node is searched with it.
class ScriptedEvaluation final : public LeafEvaluation {
  public:
    explicit ScriptedEvaluation(std::vector<int> scores) : m_scores(std::move(scores)) {}
    void prepare_evaluation(EngineState&, int) override { m_skip_next = true; }
    Score evaluate(EngineState&, int, Score alpha, Score beta) override {
        if (m_skip_next) {
            m_skip_next = false; // the root's own evaluation
            return 0;
        }
        if (!m_window_seen) windows.emplace_back(alpha, beta);
        m_window_seen = true;
        const std::size_t pass = std::min(passes, m_scores.size() - 1);
        return static_cast<Score>(m_scores[pass]);
    }
    bool opening_phase() const override { return false; }
    void set_root_piece(std::uint8_t) override {}
    void mark_leaf() override {}
    void next_pass() {
        ++passes;
        m_window_seen = false;
    }

    std::vector<std::pair<int, int>> windows;
    std::size_t passes = 0;

  private:
    std::vector<int> m_scores;
    bool m_skip_next = false;
    bool m_window_seen = false;
};

using Windows = std::vector<std::pair<int, int>>;

// Men on their back rows cannot meet within five plies, so every leaf gets the
// scripted score and the table holds nothing from the iterations of depth 3.
struct AspirationRun {
    explicit AspirationRun(std::vector<int> script)
        : evaluation(std::move(script)), h(&evaluation) {
        h.set("W:Wa1,c1,e1,g1:Bb8,d8,f8,h8");
        h.search.game.ponder = 1; // information after every iteration
        h.search.depth_limit = 4;
        h.search.hooks.show_progress = [this](const SearchProgress& progress) {
            depths.push_back(progress.depth);
            scores.push_back(progress.score);
            evaluation.next_pass();
        };
        h.search.choose_move();
    }
    ScriptedEvaluation evaluation;
    testing::SearchHarness h;
    std::vector<int> depths;
    std::vector<int> scores;
};

TEST(Aspiration, FailLowRepeatsTheDepthWithAWindowBelow) {
    AspirationRun run({0, 0, -1000, -900, -900});
    EXPECT_EQ(run.depths, (std::vector<int>{1, 2, 3, 3, 4}));
    EXPECT_EQ(run.evaluation.windows,
              (Windows{{-32000, 32000}, {-250, 250}, {-250, 250}, {-32000, -750}, {-1150, -650}}));
    EXPECT_EQ(run.scores.back(), -900);
}

TEST(Aspiration, SecondFailureGoesOnWithTheFullWindow) {
    AspirationRun run({0, 0, -1000, 1000, 600});
    EXPECT_EQ(run.depths, (std::vector<int>{1, 2, 3, 3, 4}));
    EXPECT_EQ(
        run.evaluation.windows,
        (Windows{{-32000, 32000}, {-250, 250}, {-250, 250}, {-32000, -750}, {-32000, 32000}}));
}

TEST(Aspiration, FailHighRepeatsWithAWindowAbove) {
    AspirationRun run({0, 400, 400, 400});
    EXPECT_EQ(run.depths, (std::vector<int>{1, 2, 2, 3, 4}));
    EXPECT_EQ(run.evaluation.windows,
              (Windows{{-32000, 32000}, {-250, 250}, {150, 32000}, {150, 650}, {150, 650}}));
}

} // namespace
} // namespace selvako
