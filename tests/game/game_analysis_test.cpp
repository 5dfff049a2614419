// The analysis of a game and the learning of its final position, without a
// window: the words of the lines, the walk over a fixed game at a fixed
// depth, the end of a finished game, the learning tests and the learned
// positions kept across a new table size and a restart.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/fen.h"
#include "files/engine_files.h"
#include "game/game_analysis.h"
#include "game/game_controller.h"
#include "game/learning.h"
#include "game/time_source_search_clock.h"
#include "search/engine_tables.h"
#include "search/time_budget.h"
#include "tests/engine/temp_folder.h"
#include "tests/game/game_fixture.h"

using namespace selvako;

namespace {

constexpr Square A3 = 21, C3 = 22, E3 = 23, D4 = 18, F6 = 11, E5 = 15, G7 = 8, E7 = 7;

SearchLimits depth(int d) {
    SearchLimits limits;
    limits.budget_recherche = UNLIMITED_BUDGET;
    limits.temps_alloue = UNLIMITED_SECONDS;
    limits.depth = d;
    return limits;
}

struct EngineFixture : ::testing::Test {
    EngineFixture() : search_clock(time), engine(search_clock, 3) {
        engine.load({SELVAKO_TEST_DATA_DIR, {}});
    }
    ManualTimeSource time{1'000'000};
    TimeSourceSearchClock search_clock;
    Engine engine;
};

void run(GameAnalysis& analysis, Engine& engine, int d) {
    int steps = 0;
    while (analysis.running() && steps++ < 300) analysis.step(engine, depth(d));
}

} // namespace

TEST(AnalysisText, LinesInEachLanguage) {
    AnalysisLine white;
    white.ply = 0;
    white.played = {C3, D4};
    white.best = {A3, 17};
    white.played_score = -3;
    white.best_score = 12;
    EXPECT_EQ(analysis_line_text(white, 0),
              " 1 Blanc: joué : c3-d4; score : -3; meilleur : a3-b4; score : 12");
    EXPECT_EQ(analysis_line_text(white, 1),
              " 1 White : played : c3-d4; score : -3; best : a3-b4; score : 12");
    // Dutch and Italian read the English line; Spanish has its own.
    EXPECT_EQ(analysis_line_text(white, 2), analysis_line_text(white, 1));
    EXPECT_EQ(analysis_line_text(white, 5), analysis_line_text(white, 1));
    EXPECT_EQ(analysis_line_text(white, 4),
              " 1 Blancas: jogou : c3-d4; Puntuación : -3; melhor : a3-b4; valor : 12");

    AnalysisLine black = white;
    black.ply = 21; // Black's 11th move
    black.played = {F6, E5};
    black.best = {F6, E5};
    black.played_score = black.best_score = 5;
    EXPECT_EQ(analysis_line_text(black, 3),
              "11 Pretas : jogou : f6-e5; valor :  5; melhor : f6-e5; valor :  5");

    // The header follows the language too, with Spanish reading English.
    EXPECT_EQ(analysis_header(4), analysis_header(1));
    EXPECT_NE(analysis_header(0), analysis_header(3));
    ASSERT_EQ(analysis_header(0).size(), 2u);
    EXPECT_EQ(analysis_header(0)[0].substr(0, 19), "+100 gagne un pion ");
}

TEST(AnalysisText, StarFromMoreThanHalfAManWithTheExpectedContinuation) {
    const std::vector<PlayedMove> pv{{A3, 17}, {F6, E5}, {17, 13}};
    // The best move 101 units (half a man and a bit) better than the played one.
    const AnalysisLine worse = judge_move(4, {C3, D4}, {A3, 17}, 101, 0, pv);
    EXPECT_TRUE(worse.starred);
    EXPECT_EQ(analysis_line_text(worse, 0),
              "* 3 Blanc: joué : c3-d4; score :  0; meilleur : a3-b4; score : 50 ->( f6-e5 "
              "b4-a5 ....)");
    // Exactly 100 is not enough.
    EXPECT_FALSE(judge_move(4, {C3, D4}, {A3, 17}, 100, 0, pv).starred);
    EXPECT_FALSE(judge_move(4, {C3, D4}, {A3, 17}, -100, 200, pv).starred);
    EXPECT_TRUE(judge_move(4, {C3, D4}, {A3, 17}, -101, 202, pv).starred);
    // Scores shown halved, toward zero.
    const AnalysisLine odd = judge_move(4, {C3, D4}, {A3, 17}, -7, 3, pv);
    EXPECT_EQ(odd.best_score, -3);
    EXPECT_EQ(odd.played_score, -1);
}

TEST(AnalysisText, BestMoveThatIsThePlayedOneTakesItsScore) {
    const AnalysisLine same = judge_move(6, {C3, D4}, {C3, D4}, 240, 0, {});
    EXPECT_EQ(same.played_score, 120);
    EXPECT_EQ(same.best_score, 120);
    EXPECT_FALSE(same.starred);
    // No best move from the search: the played one stands for it.
    const AnalysisLine none = judge_move(6, {C3, D4}, {}, 240, 0, {});
    EXPECT_EQ(none.best.from, C3);
    EXPECT_EQ(none.best.to, D4);
    EXPECT_EQ(none.played_score, 120);
}

TEST(AnalysisRecord, SideToMoveComesFromThePlyPlayedNeverPastTheGame) {
    selvako::testing::TwoPlayerGame g;
    g.play(C3, D4);
    g.play(F6, E5);
    g.play(D4, F6);
    const int length = g.game.longueur_partie;
    ASSERT_EQ(length, 3);
    auto record = g.game.historique;
    EXPECT_EQ(side_to_move_at(record, length, WHITE, 0), WHITE);
    EXPECT_EQ(side_to_move_at(record, length, WHITE, 2), WHITE);
    EXPECT_EQ(side_to_move_at(record, length, WHITE, 3), BLACK);
    // What lies past the game's length (a game cut short) is not read.
    record[4] = record[1];
    EXPECT_EQ(side_to_move_at(record, length, WHITE, 3), BLACK);
    EXPECT_EQ(side_to_move_at(record, length, WHITE, 200), BLACK);
}

TEST_F(EngineFixture, FixedGameGivesOneLinePerPlyInGameOrder) {
    selvako::testing::TwoPlayerGame g;
    g.play(C3, D4);
    g.play(F6, E5);
    g.play(D4, F6);
    g.play(G7, E5);
    GameAnalysis analysis;
    ASSERT_TRUE(analysis.start(g.game));
    EXPECT_EQ(analysis.demi_coup_depart(), 4);
    int passes = 0;
    while (analysis.running()) {
        analysis.step(engine, depth(3));
        ++passes;
    }
    // Five positions searched, the last one without a move played from it.
    EXPECT_EQ(passes, 5);
    ASSERT_EQ(analysis.lines().size(), 4u);
    for (int k = 0; k < 4; ++k) {
        const AnalysisLine& line = analysis.lines()[static_cast<std::size_t>(k)];
        EXPECT_EQ(line.ply, k);
        EXPECT_EQ(line.played.from, g.game.historique[k + 1].from);
        EXPECT_EQ(line.played.to, g.game.historique[k + 1].to);
        ASSERT_TRUE(analysis.scores_analyse(k));
        EXPECT_EQ(line.best_score, *analysis.scores_analyse(k) / 2);
    }
    // The last ply has no search of its own: its line is scored from the
    // position after it, whichever of the two men the search would take back with.
    const AnalysisLine& recapture = analysis.lines()[3];
    EXPECT_TRUE(recapture.best.from == G7 || recapture.best.from == E7) << int{recapture.best.from};
    EXPECT_EQ(recapture.played_score, -*analysis.scores_analyse(4) / 2);
}

TEST_F(EngineFixture, AnalysisFromAPlyOnShowGivesItsLastLineScoreZero) {
    selvako::testing::TwoPlayerGame g;
    g.play(C3, D4);
    g.play(F6, E5);
    g.play(D4, F6);
    g.play(G7, E5);
    g.game.num_demi_coup = 2; // stepped back: d4xf6 was played from here
    GameAnalysis analysis;
    ASSERT_TRUE(analysis.start(g.game));
    run(analysis, engine, 3);
    ASSERT_EQ(analysis.lines().size(), 3u);
    const AnalysisLine& last = analysis.lines().back();
    EXPECT_EQ(last.ply, 2);
    // The capture d4xf6 is the only move, so the best move is the played one.
    EXPECT_EQ(last.played_score, last.best_score);
    // Nothing to analyse at the start.
    g.game.num_demi_coup = 0;
    EXPECT_FALSE(analysis.start(g.game));
    EXPECT_FALSE(analysis.running());
}

TEST_F(EngineFixture, FinishedGameEndsOnThePositionWithoutAMove) {
    // c3xe5 takes Black's last piece: the game is over after one ply.
    selvako::testing::TwoPlayerGame g("W:Wc3,g3:Bd4");
    g.play(C3, E5);
    ASSERT_EQ(g.game.longueur_partie, 1);
    GameAnalysis analysis;
    ASSERT_TRUE(analysis.start(g.game));
    // Black has no move at ply 1: the analysis starts one ply earlier, and
    // that position's score is the game's result, not a move.
    EXPECT_EQ(analysis.demi_coup_depart(), 0);
    EXPECT_EQ(analysis.scores_analyse(1), LOST_POSITION_SCORE);
    run(analysis, engine, 3);
    ASSERT_EQ(analysis.lines().size(), 1u);
    const AnalysisLine& line = analysis.lines()[0];
    EXPECT_EQ(line.played.from, C3);
    EXPECT_EQ(line.played.to, E5);
    EXPECT_EQ(line.played_score, -LOST_POSITION_SCORE / 2);
    EXPECT_EQ(line.best_score, line.played_score);
    EXPECT_FALSE(line.starred);
}

TEST(Learning, MaterialAndLengthTests) {
    const auto board = [](const std::string& fen) {
        const FenResult parsed = parse_fen(fen);
        EXPECT_TRUE(parsed.position) << parsed.error;
        return parsed.position->board;
    };
    // Two white men (6) against a black king (1): not learned.
    EXPECT_EQ(learning_material(board("W:Wa3,c3:BKd8")).white, 6);
    EXPECT_EQ(learning_material(board("W:Wa3,c3:BKd8")).black, 1);
    EXPECT_FALSE(worth_learning(board("W:Wa3,c3:BKd8"), 40));
    // A man against three kings is level in these units (3 against 3).
    EXPECT_TRUE(worth_learning(board("W:Wa3:BKd8,Kf8,Kh8"), 40));
    // A difference of 2 is still balanced, 3 is not, either way round.
    EXPECT_TRUE(worth_learning(board("W:Wa3,c3:Bb8,Kd8,Kf8"), 40));
    EXPECT_FALSE(worth_learning(board("W:Wa3,c3:Bb8"), 40));
    EXPECT_FALSE(worth_learning(board("W:Wa3:Bb8,d8"), 40));
    // More than 20 plies.
    EXPECT_TRUE(worth_learning(board("W:Wa3:Bb8"), 21));
    EXPECT_FALSE(worth_learning(board("W:Wa3:Bb8"), 20));
}

namespace {

// The learned score of the position after `move` decides the search of
// `fen` at depth 2: the learned position lies below the root.
struct LearnedProbe {
    Engine& engine;
    BoardArray root;

    BoardArray after(Square from, Square to) const {
        BoardArray b = root;
        b[to] = b[from];
        b[from] = EMPTY;
        return b;
    }
    void teach(const BoardArray& position, std::int16_t score) {
        const PositionKeys keys = engine.learned_keys(position);
        engine.tables().learned.learn_position(keys.index, keys.check, BLACK, score);
    }
    SearchResult search() {
        SearchRequest request;
        request.board = root;
        request.trait = WHITE;
        request.num_demi_coup = 10;
        request.limits = depth(2);
        request.limits.repertoire = false;
        return engine.search(request);
    }
};

} // namespace

TEST_F(EngineFixture, LearnedPositionsSurviveANewTableSizeAndARestart) {
    // Six pieces: no endgame table settles the position before the learned one.
    const FenResult parsed = parse_fen("W:Wa1,a3,e3:Bb8,d8,h8");
    ASSERT_TRUE(parsed.position);
    LearnedProbe probe{engine, parsed.position->board};
    // Black to move after e3-f4 is taught as lost for Black.
    const BoardArray taught = probe.after(E3, 19);
    probe.teach(taught, -20000);
    SearchResult found = probe.search();
    EXPECT_EQ(found.move.from, E3);
    EXPECT_EQ(found.move.to, 19);
    EXPECT_EQ(found.score, 20000);

    const PositionKeys before = engine.learned_keys(taught);
    engine.resize_table(0);
    engine.resize_table(5);
    EXPECT_EQ(engine.learned_keys(taught).index, before.index);
    found = probe.search();
    EXPECT_EQ(found.move.to, 19);
    EXPECT_EQ(found.score, 20000);

    // Written as a lesson and read by another engine, as at the next start.
    selvako::testing::TempFolder dir;
    ASSERT_TRUE(save_learned(dir.path() / "lecon.dal", engine.tables().learned));
    ManualTimeSource other_time{1'000'000};
    TimeSourceSearchClock other_clock(other_time);
    Engine restarted(other_clock, 11);
    restarted.load({SELVAKO_TEST_DATA_DIR, {}});
    restarted.resize_table(2);
    ASSERT_TRUE(restarted.tables().learned.load_lessons(dir.file("lecon.dal")));
    LearnedProbe again{restarted, parsed.position->board};
    found = again.search();
    EXPECT_EQ(found.move.to, 19);
    EXPECT_EQ(found.score, 20000);
}

TEST_F(EngineFixture, LearningWritesTheLessonOrLeavesTheTableWhole) {
    // A long balanced game: both sides shuffle kings for 24 plies.
    selvako::testing::TwoPlayerGame g("W:WKa1,c3:BKh8,f6");
    for (int k = 0; k < 6; ++k) {
        g.play(29, 25); // a1-b2
        g.play(4, 8);   // h8-g7
        g.play(25, 29);
        g.play(8, 4);
    }
    ASSERT_EQ(g.game.longueur_partie, 24);
    GameAnalysis analysis;
    ASSERT_TRUE(analysis.start(g.game));
    run(analysis, engine, 2);
    ASSERT_EQ(can_learn(analysis), LearnOutcome::learned);
    const auto score = analysis.scores_analyse(24);
    ASSERT_TRUE(score);

    selvako::testing::TempFolder dir;
    const std::vector<std::uint8_t> empty_table = engine.tables().learned.encode();
    EXPECT_EQ(Apprendreposition(engine, analysis, dir.path() / "missing" / "x.dal"),
              LearnOutcome::write_failed);
    EXPECT_EQ(engine.tables().learned.encode(), empty_table);

    ASSERT_EQ(Apprendreposition(engine, analysis, dir.path() / "x.dal"), LearnOutcome::learned);
    EXPECT_EQ(std::filesystem::file_size(dir.path() / "x.dal"), LEARNED_FILE_BYTES);
    BoardArray final_position = g.game.historique[24].board;
    final_position[0] = SENTINEL;
    const PositionKeys keys = engine.learned_keys(final_position);
    const LearnedEntry* entry =
        engine.tables().learned.probe_learned(keys.index, keys.check, WHITE);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->score, *score);

    // Analysed only from ply 10: the last position has no analysed score.
    g.game.num_demi_coup = 10;
    ASSERT_TRUE(analysis.start(g.game));
    run(analysis, engine, 2);
    EXPECT_EQ(can_learn(analysis), LearnOutcome::not_analysed);
}
