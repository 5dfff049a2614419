#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/make_move.h"
#include "engine/move_generation.h"
#include "eval_test_support.h"

namespace selvako {
namespace {

struct Promoted {
    Square square;
    std::uint8_t man;
};

// The terms recomputed from the board alone, written independently of the
// upkeep: every man and king counted where it stands, plus the men promoted
// since the preparation, which go on counting as men on their promotion
// square for tempo, regions and centre.
RunningTerms reference_terms(const TermTables& t, const BoardArray& b,
                             const std::vector<Promoted>& promoted) {
    RunningTerms r;
    const bool black_side = t.side != WHITE;
    auto add_man = [&](Square s, std::uint8_t man, bool with_table) {
        const bool own = (man == BLACK_MAN) == black_side;
        const int seen = man == BLACK_MAN ? s : 33 - s;
        const int sign = own ? 1 : -1;
        if (with_table) r.square_table_sum += sign * t.men[seen];
        r.tempo_count += sign * ((seen - 1) / 4);
        auto& regions = own ? r.own_regions : r.opponent_regions;
        ++regions[REGION_TABLE[seen]];
        (own ? r.own_centre : r.opponent_centre) += FILE_WEIGHT[seen];
    };
    for (int s = 1; s <= 32; ++s) {
        if (b[s] == WHITE_MAN || b[s] == BLACK_MAN) add_man(static_cast<Square>(s), b[s], true);
        if (b[s] == WHITE_KING) r.square_table_sum += (black_side ? -1 : 1) * t.kings[s];
        if (b[s] == BLACK_KING) r.square_table_sum += (black_side ? 1 : -1) * t.kings[s];
    }
    for (const Promoted& p : promoted) add_man(p.square, p.man, false);
    return r;
}

// Plays random games; before each move of the game every legal move is made
// and checked against the reference, then taken back by copying the saved
// state as the search does.
TEST(RunningTerms, IncrementalMatchesScratchOverRandomGames) {
    std::mt19937 rng(2024);
    int moves_checked = 0, captures = 0, promotions = 0;
    for (int game = 0; game < 60; ++game) {
        EvalState eval;
        eval.parameters = test::random_parameters(rng);
        EngineState st;
        st.set_position(start_position());
        st.allocate_move_lists();
        st.ordering_enabled = false;
        int side = WHITE;
        const int root_side = static_cast<int>(rng() % 2);
        prepare_evaluation(eval, st, root_side);
        std::vector<Promoted> promoted;
        for (int ply = 0; ply < 150; ++ply) {
            // Now and then start a new "search", which recomputes everything.
            if (ply % 40 == 39) {
                prepare_evaluation(eval, st, side);
                promoted.clear();
            }
            ASSERT_EQ(st.running_terms, reference_terms(eval.term_tables, st.board, promoted));
            st.ply = 1;
            const int count = generate_moves(st, side);
            if (count == 0) break;
            const BoardArray board = st.board;
            const PieceCounts counts = st.counts;
            const RunningTerms terms = st.running_terms;
            for (int i = 0; i < count; ++i) {
                const Move m = st.list(1)[i];
                const std::uint8_t code = st.board[m.from];
                make_move(st, m);
                std::vector<Promoted> after = promoted;
                if (code != st.board[m.to]) after.push_back({m.to, code});
                ASSERT_EQ(st.running_terms, reference_terms(eval.term_tables, st.board, after))
                    << "game " << game << " ply " << ply << " move " << move_text(m);
                ++moves_checked;
                st.board = board;
                st.counts = counts;
                st.running_terms = terms;
            }
            const Move m = st.list(1)[rng() % count];
            const std::uint8_t code = st.board[m.from];
            make_move(st, m);
            captures += m.taken > 0;
            if (code != st.board[m.to]) {
                promoted.push_back({m.to, code});
                ++promotions;
            }
            side = 1 - side;
        }
    }
    EXPECT_GT(moves_checked, 5000);
    EXPECT_GT(captures, 500);
    EXPECT_GT(promotions, 20);
}

TEST(RunningTerms, PreparationMatchesScratch) {
    std::mt19937 rng(5);
    EvalState eval;
    eval.parameters = test::random_parameters(rng);
    EngineState st;
    st.set_position(test::board_of("W:Wd4,c3,Kc1,e1:Bf8,Kb6,c5,e5"));
    for (int side : {WHITE, BLACK}) {
        prepare_evaluation(eval, st, side);
        EXPECT_EQ(st.term_tables, &eval.term_tables);
        EXPECT_EQ(st.running_terms, reference_terms(eval.term_tables, st.board, {}));
    }
}

} // namespace
} // namespace selvako
