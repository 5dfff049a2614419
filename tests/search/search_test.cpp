#include <gtest/gtest.h>

#include "search_harness.h"

namespace selvako {
namespace {

using testing::SearchHarness;

TEST(Search, SideWithoutMoveAtPlyThreeScoresAgainstTheRoot) {
    // Black must play 1-5 (1-6 loses the man to 9x2); then 18-14 walls it in.
    SearchHarness h;
    h.set("B:Wb6,d4:Bb8");
    h.search.game.ponder = 1; // searched although Black has only two moves
    h.search.depth_limit = 3;
    const int chosen = h.search.choose_move();
    EXPECT_EQ(h.chosen_text(chosen), "b8-a7");
    EXPECT_EQ(h.search.previous_score, -31997);
}

TEST(Search, WinAtPlyFourEndsTheDeepening) {
    // 22-18, and after 1-5 18-14 leaves Black without a move at ply 4; 1-6
    // would lose the last man at ply 3.
    SearchHarness h;
    h.set("W:Wb6,c3:Bb8");
    h.search.depth_limit = 12;
    h.search.choose_move();
    EXPECT_EQ(h.search.previous_score, 31996);
    EXPECT_EQ(h.search.depth_reached, 4);
}

TEST(Search, CapturingTheLastPieceScoresAtOnce) {
    SearchHarness h;
    h.set("W:Wc3,f2:Bd4");
    h.search.game.ponder = 1;
    h.search.depth_limit = 1;
    h.search.choose_move();
    EXPECT_EQ(h.search.previous_score, 31999);
}

TEST(Search, TrivialPositionsAnswerWithoutSearching) {
    SearchHarness h;
    h.set("W:Wa1:Bh8");
    EXPECT_EQ(h.search.choose_move(), SINGLE_MOVE);
    EXPECT_EQ(h.search.total_nodes, 0u);
    h.set("W:Wa1:Bb2,c3"); // the man on a1 is walled in
    EXPECT_EQ(h.search.choose_move(), NO_MOVE);
    h.set("B:Wc3:B");
    EXPECT_EQ(h.search.choose_move(), NO_MOVE);
    EXPECT_EQ(h.search.total_nodes, 0u);
}

TEST(Search, RepertoireMoveIsReturnedWithoutSearch) {
    SearchHarness h;
    Repertoires book;
    book.white = {"22-18  9-14 ", "23-19 "};
    h.search.repertoires = &book;
    h.search.game.repertoire_enabled = true;
    for (int round = 0; round < 8; ++round) {
        h.set("W:W1-12:B21-32");
        const int chosen = h.search.choose_move();
        const std::string text = h.chosen_text(chosen);
        EXPECT_TRUE(text == "c3-d4" || text == "e3-f4") << text;
        EXPECT_EQ(h.search.total_nodes, 0u);
    }
    h.search.game.repertoire_enabled = false;
    h.search.depth_limit = 2;
    h.set("W:W1-12:B21-32");
    h.search.choose_move();
    EXPECT_GT(h.search.total_nodes, 0u);
}

TEST(Search, DepthLevelStopsAfterItsDepth) {
    SearchHarness h;
    h.set("W:W1-12:B21-32");
    h.search.game.budget_recherche = 2; // "1 : Débutant"
    h.search.game.temps_alloue = 58;
    h.search.choose_move();
    EXPECT_EQ(h.search.depth_reached, 3);
}

TEST(Search, OverrunningTheHardLimitStopsInsideTheIteration) {
    SearchHarness h;
    h.set("W:W1-12:B21-32");
    h.search.game.budget_recherche = 160;
    h.search.game.temps_alloue = 178;
    h.search.game.temps_blanc = 200; // already past the allowance
    std::vector<std::int32_t> shown;
    h.search.hooks.show_clock = [&](std::int32_t total) { shown.push_back(total); };
    const int chosen = h.search.choose_move();
    // The clock stands still, so only the check every 5,000 nodes can stop it.
    EXPECT_EQ(h.search.arret_demande, 1);
    EXPECT_EQ(shown, std::vector<std::int32_t>{200});
    EXPECT_EQ(h.search.seconds_used, 200);
    EXPECT_LT(chosen, h.st.move_count[1]);
}

TEST(Search, StopRequestKeepsTheBestMoveUnlessDiscarded) {
    for (const bool discard : {false, true}) {
        SearchHarness h;
        h.set("W:W1-12:B21-32");
        int polls = 0;
        h.search.hooks.poll = [&] {
            // After the third iteration, as a click would.
            if (++polls == 3) {
                h.search.arret_demande = 1;
                h.search.discard = discard;
            }
        };
        const int chosen = h.search.choose_move();
        EXPECT_EQ(h.search.depth_reached, 4) << discard;
        if (discard) {
            EXPECT_EQ(chosen, 0);
            EXPECT_EQ(h.search.previous_score, 0);
        } else {
            EXPECT_LT(chosen, h.st.move_count[1]);
        }
    }
}

// Behind, the repetition is a draw; a man ahead, it scores a quarter of a man
// below the draw (shown halved), so that the side ahead plays on.
TEST(Search, RootMoveRepeatingTheGameScoresADraw) {
    for (const bool ahead : {false, true}) {
        const char* fen = ahead ? "W:WKc1,a3:BKb8" : "W:WKc1,a3:BKb8,f6,h6";
        const char* shown = ahead ? "c1-d2 :   -25" : "c1-d2 :     0";
        SearchHarness h;
        h.set(fen);
        h.search.game.num_demi_coup = 6;
        h.search.game.historique = {{26, 30}, {5, 1}, {30, 26}, {1, 5}, {26, 30}, {5, 1}};
        h.search.game.ponder = 1;
        h.search.depth_limit = 2;
        h.search.choose_move();
        bool repeat_seen = false;
        for (const std::string& line : testing::root_lines_of(h.search)) {
            if (line.rfind("c1-d2", 0) == 0) {
                EXPECT_EQ(line, shown);
                repeat_seen = true;
            } else if (ahead) {
                // Only the repetition rule gives that value here.
                EXPECT_NE(line.substr(6), shown + 6) << line;
            }
        }
        EXPECT_TRUE(repeat_seen) << fen;
    }
}

TEST(Search, LearnedScoreReplacesTheSearchOfItsPosition) {
    for (const std::int16_t learned : {std::int16_t{0}, std::int16_t{5000}}) {
        SearchHarness h;
        // The position after 22-18, Black to move, learned from Black's side.
        h.set("B:Wd4,a3,e3,g3,b2,d2,f2,h2,a1,c1,e1,g1:B21-32");
        h.learned.learn_position(h.st.index_key, h.st.check_key, BLACK, learned);
        h.set("W:W1-12:B21-32");
        h.search.game.ponder = 1;
        h.search.depth_limit = 1;
        h.search.choose_move();
        const std::string expected = learned ? "c3-d4 : -2500" : "c3-d4 :     0";
        const std::vector<std::string> lines = testing::root_lines_of(h.search);
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << learned;
    }
}

TEST(Search, AnalysisGivesTheGameMoveItsPreparedScore) {
    SearchHarness h;
    h.set("W:W1-12:B21-32");
    h.search.game.analysis = 1;
    h.search.game.demi_coup_depart = 5;
    h.search.game.historique = {{22, 18}};
    h.search.previous_score = -600; // the position after this move, from the other side
    h.search.depth_limit = 1;
    h.search.choose_move();
    const std::vector<std::string> lines = testing::root_lines_of(h.search);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "c3-d4 :   300"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "a3-b4 :     0"), lines.end());
}

TEST(Search, AnalysedForcedMoveIsMarkedUnsearched) {
    SearchHarness h;
    h.set("W:Wa1:Bh8");
    h.search.game.analysis = 1;
    h.search.game.num_demi_coup = 3;
    h.search.game.demi_coup_depart = 7;
    EXPECT_EQ(h.search.choose_move(), SINGLE_MOVE);
    EXPECT_EQ(h.search.previous_score, UNSEARCHED_SCORE);
}

} // namespace
} // namespace selvako
