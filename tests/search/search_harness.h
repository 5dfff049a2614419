#pragma once
// Everything a search needs, owned together for a test.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/fen.h"
#include "material_evaluation.h"
#include "search/search.h"

namespace selvako::testing {

class ManualClock final : public SearchClock {
  public:
    std::int32_t now_seconds() override {
        m_now += step;
        return m_now;
    }
    std::int32_t step = 0; // seconds added at every reading
  private:
    std::int32_t m_now = 1000;
};

// The root list as the "Calcul" page words it: "c3-d4 :    12".
inline std::vector<std::string> root_lines_of(const Search& search) {
    std::vector<std::string> lines;
    for (const RootMoveValue& root : search.root_values)
        lines.push_back(root_move_line(root.move, root.value / 2, root.being_searched));
    return lines;
}

struct SearchHarness {
    explicit SearchHarness(LeafEvaluation* custom = nullptr)
        : search(st, table, learned, custom ? *custom : material, clock, 1) {
        search.game.repertoire_enabled = false;
        search.game.budget_recherche = UNLIMITED_BUDGET;
        search.game.temps_alloue = UNLIMITED_SECONDS;
    }
    void set(const char* fen) {
        const auto parsed = parse_fen(fen);
        ASSERT_TRUE(parsed.position) << parsed.error;
        st.set_position(parsed.position->board);
        search.game.trait = static_cast<std::uint8_t>(parsed.position->side_to_move);
    }
    std::string chosen_text(int index) const { return move_text(st.list(1)[index]); }

    EngineState st;
    TranspositionTable table;
    LearnedTable learned;
    MaterialEvaluation material;
    ManualClock clock;
    Search search;
};

} // namespace selvako::testing
