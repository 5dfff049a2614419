// The analysis and the learning session driven through the game
// controller's commands, one position per pass of the game loop.

#include <gtest/gtest.h>

#include "game/game_controller.h"
#include "game/saved_game.h"
#include "game/time_source_search_clock.h"
#include "search/engine_tables.h"
#include "tests/engine/temp_folder.h"
#include "tests/game/game_fixture.h"

using namespace selvako;

namespace {

struct CountingObserver : GameObserver {
    int passes_wanted = 0;
    std::function<void()> during_search;
    void pass_wanted() override { ++passes_wanted; }
    void process_events() override {
        if (during_search) {
            const auto run = std::move(during_search);
            during_search = nullptr;
            run();
        }
    }
};

class AnalysisControllerTest : public ::testing::Test {
  protected:
    AnalysisControllerTest()
        : search_clock(time), engine(search_clock, 5),
          controller(engine, time, view, {dir.path() / "points.dat"}) {
        engine.load({SELVAKO_TEST_DATA_DIR, {}});
        controller.command(command::StartUp{});
        GameOptions quiet = controller.options();
        quiet.reflexion_sur_temps_adverse = false;
        controller.command(command::SetOptions{quiet});
        // A short game between two humans, opened as a file.
        selvako::testing::TwoPlayerGame g;
        g.play(22, 18); // c3-d4
        g.play(11, 15); // f6-e5
        g.play(18, 11); // d4xf6
        g.play(8, 15);  // g7xe5
        record = g.game.historique;
        controller.command(command::Open{game_file_image(g.game)});
        controller.command(command::SetLevel{LEVEL_ITEMS[1].parameters});
    }

    selvako::testing::TempFolder dir;
    ManualTimeSource time{1'000'000};
    TimeSourceSearchClock search_clock;
    CountingObserver view;
    Engine engine;
    GameController controller;
    std::array<FicheCoup, HISTORY_PLIES> record{};
};

} // namespace

TEST_F(AnalysisControllerTest, OnePositionPerPassAndTheRecordLockedMeanwhile) {
    ASSERT_EQ(controller.game().num_demi_coup, 4);
    controller.command(command::StartAnalysis{});
    const AnalysisControl& a = controller.analysis();
    ASSERT_TRUE(a.analysis.running());
    EXPECT_TRUE(a.window_shown);
    EXPECT_FALSE(controller.options().reflexion_sur_temps_adverse);

    controller.boucle_jeu();
    EXPECT_EQ(a.analysis.next_ply(), 3);
    EXPECT_EQ(controller.game().num_demi_coup, 3);
    EXPECT_EQ(controller.game().damier_affiche, record[3].board);
    // Commands that would change the game wait for the analysis's end.
    controller.command(command::NewGame{});
    controller.command(command::ToEnd{});
    EXPECT_EQ(controller.game().longueur_partie, 4);
    EXPECT_EQ(controller.game().num_demi_coup, 3);

    int passes = 1;
    while (a.analysis.running() && passes < 20) {
        controller.boucle_jeu();
        ++passes;
    }
    EXPECT_EQ(passes, 5);
    EXPECT_EQ(a.analysis.lines().size(), 4u);
    EXPECT_EQ(controller.game().num_demi_coup, 0);
    // The move list's highlight follows the position on show.
    EXPECT_EQ(controller.game().liste_coups.selected, -1);

    // "Terminer l'analyse": the position shown keeps its own side to move.
    controller.command(command::ShowAnalysedPly{3});
    EXPECT_EQ(controller.game().damier_affiche, record[3].board);
    EXPECT_EQ(controller.game().liste_coups.selected, 1); // White's move of line 1
    EXPECT_EQ(controller.game().trait(), BLACK);
    controller.command(command::EndAnalysis{});
    EXPECT_FALSE(a.window_shown);
    EXPECT_TRUE(a.apprendre_offert);
    EXPECT_EQ(controller.game().trait(), BLACK);
    EXPECT_EQ(controller.game().couleur_ordinateur, WHITE);
    EXPECT_FALSE(controller.computer_to_move());
    // Four plies are too few to learn from: nothing is asked for a file.
    EXPECT_EQ(can_learn(a.analysis), LearnOutcome::not_worth_it);
}

TEST_F(AnalysisControllerTest, EndingDuringASearchKeepsThatPositionsLine) {
    controller.command(command::StartAnalysis{});
    view.during_search = [&] { controller.command(command::EndAnalysis{}); };
    controller.boucle_jeu();
    const AnalysisControl& a = controller.analysis();
    EXPECT_FALSE(a.analysis.running());
    EXPECT_FALSE(a.window_shown);
    EXPECT_EQ(a.analysis.last_analysed(), 4);
    EXPECT_TRUE(a.analysis.scores_analyse(4).has_value());
    EXPECT_TRUE(a.apprendre_offert);
}

TEST_F(AnalysisControllerTest, SessionRaisesTheBudgetAndGivesTheLevelBack) {
    controller.command(command::SetLevel{LEVEL_ITEMS[5].parameters});
    controller.command(command::StartSession{dir.path() / "session.dal"});
    EXPECT_TRUE(controller.analysis().session);
    EXPECT_EQ(controller.game().settings.budget_recherche, SESSION_BUDGET);
    EXPECT_TRUE(controller.options().ordinateur_contre_ordinateur);
    EXPECT_FALSE(controller.options().humain_contre_humain);

    controller.command(command::StopSession{});
    EXPECT_FALSE(controller.analysis().session);
    EXPECT_FALSE(controller.options().ordinateur_contre_ordinateur);
    EXPECT_EQ(controller.game().settings.budget_recherche,
              LEVEL_ITEMS[5].parameters.budget_recherche);
    EXPECT_EQ(controller.game().settings.niveau, 5);
    // The level saved with the game is the one chosen, not the session's.
    EXPECT_EQ(controller.file_image().settings.budget_recherche, 160);
}

TEST_F(AnalysisControllerTest, LessonFileThatCannotBeReadChangesNothing) {
    controller.command(command::LoadLessons{dir.path() / "none.dal"});
    EXPECT_TRUE(engine.tables().learned.holds_no_score());
}

TEST_F(AnalysisControllerTest, SessionGameIsAnalysedLearnedAndFollowedByTheNext) {
    // White takes Black's last piece at once: the session's game ends there.
    const selvako::testing::TwoPlayerGame last_capture("W:Wc3:Bd4");
    controller.command(command::Open{game_file_image(last_capture.game)});
    controller.command(command::SetLevel{LEVEL_ITEMS[1].parameters});
    controller.command(command::StartSession{dir.path() / "session.dal"});
    const AnalysisControl& a = controller.analysis();

    controller.boucle_jeu(); // the computer's capture ends the game
    EXPECT_EQ(controller.game().longueur_partie, 1);
    EXPECT_TRUE(a.analysis.running());
    EXPECT_TRUE(a.window_shown);
    EXPECT_FALSE(controller.notices().end_of_game);

    int passes = 0;
    while (a.analysis.running() && passes++ < 5) controller.boucle_jeu();
    ASSERT_FALSE(a.analysis.running());
    // One ply is too short to learn; the next game is set up at once.
    EXPECT_EQ(a.dernier_apprentissage, LearnOutcome::not_worth_it);
    EXPECT_EQ(a.parties_session, 1);
    EXPECT_FALSE(a.window_shown);
    EXPECT_EQ(controller.game().longueur_partie, 0);
    EXPECT_EQ(controller.game().damier_affiche, start_position());
    EXPECT_TRUE(controller.options().ordinateur_contre_ordinateur);
    EXPECT_TRUE(a.session);
}
