// The game controller without a window: games played by commands, commands
// sent while the computer searches, the clocks of a rated match.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <vector>

#include "engine/fen.h"
#include "engine/move_generation.h"
#include "game/clipboard_text.h"
#include "game/game_controller.h"
#include "game/game_record.h"
#include "game/saved_game.h"
#include "game/time_source_search_clock.h"
#include "search/engine_tables.h"
#include "tests/engine/temp_folder.h"
#include "tests/game/game_fixture.h"

using namespace selvako;

namespace {

// Records what the controller tells a view, and runs `during_search` from
// inside the search's event processing, as a user's click would.
struct RecordingObserver : GameObserver {
    int passes_wanted = 0;
    int polls = 0;
    std::vector<GameEndReport> ends;
    std::vector<Move> computer_moves;
    std::vector<GameError> errors;
    std::vector<FileRefusal> refusals;
    std::vector<Permissions> announced;
    std::function<void()> during_search;
    // Time passes while the search runs, one second a poll, so that a level
    // that thinks by time comes to an end.
    ManualTimeSource* time_passing = nullptr;

    void pass_wanted() override { ++passes_wanted; }
    void process_events() override {
        ++polls;
        if (time_passing) time_passing->advance_seconds(1);
        if (during_search) {
            const auto run = std::move(during_search);
            during_search = nullptr;
            run();
        }
    }
    void move_played(const BoardArray&, const Move& move, const std::vector<Square>&,
                     bool by_computer) override {
        if (by_computer) computer_moves.push_back(move);
    }
    void game_ended(const GameEndReport& report) override { ends.push_back(report); }
    void error(GameError kind) override { errors.push_back(kind); }
    void refused(const FileRefusal& refusal) override { refusals.push_back(refusal); }
    void permissions_changed(const Permissions& now) override { announced.push_back(now); }
};

class GameControllerTest : public ::testing::Test {
  protected:
    GameControllerTest()
        : search_clock(time), engine(search_clock, 7), controller(engine, time, view, folders()) {
        engine.load({SELVAKO_TEST_DATA_DIR, {}});
        controller.command(command::StartUp{});
        GameOptions quiet = controller.options();
        quiet.reflexion_sur_temps_adverse = false;
        // These tests watch the computer search; the shipped repertoires
        // would answer the opening moves without one.
        quiet.repertoire = false;
        controller.command(command::SetOptions{quiet});
        // Level 1 searches to a fixed depth: the manual clock never runs out.
        controller.command(command::SetLevel{LEVEL_ITEMS[1].parameters});
    }

    GameFolders folders() { return {dir.path() / "points.dat"}; }

    // Opens a game holding one position, White to move, the computer Black,
    // and plays on at the quick level.
    void open_position(const std::string& fen) {
        const selvako::testing::TwoPlayerGame position(fen);
        controller.command(command::Open{game_file_image(position.game)});
        controller.command(command::SetLevel{LEVEL_ITEMS[1].parameters});
    }

    // Clicks on a square and lets the game loop handle the click.
    void click(Square s) {
        controller.command(command::SquareClicked{s});
        controller.boucle_jeu();
    }

    bool no_frame_left() const {
        for (int s = 1; s <= NUM_SQUARES; ++s)
            if (controller.input().frames[s] != FRAME_NONE) return false;
        return true;
    }
    const GameState& game() const { return controller.game(); }

    // The human's side plays its first legal move by clicks on its squares.
    void play_first_legal_move() {
        EngineState work;
        work.set_position(game().damier_affiche);
        ASSERT_GT(generate_root_moves(work, game().trait()), 0);
        const Move move = work.list(1)[0];
        const int before = game().num_demi_coup;
        controller.command(command::SquareClicked{move.from});
        controller.boucle_jeu();
        if (game().num_demi_coup == before) {
            controller.command(command::SquareClicked{move.to});
            controller.boucle_jeu();
        }
        ASSERT_EQ(game().num_demi_coup, before + 1);
    }

    selvako::testing::TempFolder dir;
    ManualTimeSource time{1'000'000};
    TimeSourceSearchClock search_clock;
    RecordingObserver view;
    Engine engine;
    GameController controller;
};

TEST_F(GameControllerTest, TrainingGamePlayedByCommandsEndsWithAResult) {
    EXPECT_EQ(game().couleur_ordinateur, BLACK);
    int guard = 0;
    while (view.ends.empty() && ++guard < 300) {
        if (game().trait() == WHITE) {
            play_first_legal_move();
            if (::testing::Test::HasFatalFailure()) return;
        }
        controller.boucle_jeu();
    }
    ASSERT_EQ(view.ends.size(), 1u);
    EXPECT_NE(game().dernier_resultat, Outcome::none);
    EXPECT_TRUE(controller.notices().end_of_game);
    // Every computer move was recorded where the human's moves were.
    EXPECT_EQ(static_cast<int>(view.computer_moves.size()), game().num_demi_coup / 2);
    for (int ply = 2; ply <= game().num_demi_coup; ply += 2)
        EXPECT_EQ(game().historique[ply].to, view.computer_moves[ply / 2 - 1].to) << ply;
    // Once the game is over the computer does not search again.
    const int polls = view.polls;
    controller.boucle_jeu();
    EXPECT_EQ(view.polls, polls);
    // The other player panels keep the result; the new-game panel forgets it.
    const Outcome result = game().dernier_resultat;
    controller.command(command::LoadPlayers{});
    EXPECT_EQ(game().dernier_resultat, result);
    controller.command(command::LoadPlayers{true});
    EXPECT_EQ(game().dernier_resultat, Outcome::none);
}

TEST_F(GameControllerTest, CommandDuringTheSearchRunsAfterItInsteadOfTheMove) {
    // A search deep enough to poll.
    controller.command(command::SetLevel{LEVEL_ITEMS[3].parameters});
    play_first_legal_move();
    ASSERT_EQ(game().num_demi_coup, 1);
    ASSERT_TRUE(controller.computer_to_move());
    bool seen_searching = false;
    view.during_search = [&] {
        seen_searching = controller.computer_thinking();
        controller.command(command::NewGame{});
        // Not applied yet: the search still works on the old game.
        EXPECT_EQ(game().num_demi_coup, 1);
    };
    controller.boucle_jeu();
    EXPECT_TRUE(seen_searching);
    EXPECT_FALSE(controller.searching());
    EXPECT_TRUE(view.computer_moves.empty());
    EXPECT_EQ(game().num_demi_coup, 0);
    EXPECT_EQ(game().damier_affiche, start_position());
    EXPECT_FALSE(controller.computer_to_move());
}

TEST_F(GameControllerTest, EveryCommandSentDuringOneSearchRunsInOrderAfterIt) {
    controller.command(command::SetLevel{LEVEL_ITEMS[3].parameters});
    play_first_legal_move();
    const BoardArray after_human = game().damier_affiche;
    view.during_search = [&] {
        controller.command(command::SetLevel{LEVEL_ITEMS[2].parameters});
        controller.command(command::Back{});
        controller.command(command::Forward{});
    };
    controller.boucle_jeu();
    EXPECT_TRUE(view.computer_moves.empty());
    EXPECT_EQ(game().settings.niveau, LEVEL_ITEMS[2].parameters.niveau);
    EXPECT_EQ(game().settings.budget_recherche, LEVEL_ITEMS[2].parameters.budget_recherche);
    // Back then Forward: in that order the ply on show is the human's move.
    EXPECT_EQ(game().num_demi_coup, 1);
    EXPECT_EQ(game().damier_affiche, after_human);
}

TEST_F(GameControllerTest, EngineTablesChangeOnlyBetweenSearchesAndFromFilesRead) {
    controller.command(command::SetLevel{LEVEL_ITEMS[3].parameters});
    play_first_legal_move();
    const EvalParameters before = engine.tables().eval.parameters;
    EvalParameters edited = before;
    edited.t2 = static_cast<std::int8_t>(before.t2 + 1);
    const RepertoireLines white = {"22-18 "};
    view.during_search = [&] {
        controller.command(command::SetParameters{edited});
        controller.command(command::SetRepertoire{WHITE, white});
        // The search reads the tables as they were when it started.
        EXPECT_TRUE(engine.tables().eval.parameters == before);
        EXPECT_NE(engine.tables().repertoires.white, white);
    };
    controller.boucle_jeu();
    EXPECT_TRUE(view.computer_moves.empty());
    EXPECT_TRUE(engine.tables().eval.parameters == edited);
    EXPECT_EQ(engine.tables().repertoires.white, white);

    // Saved, changed, loaded back: the set saved.
    const auto path = dir.path() / "mine.par";
    controller.command(command::SaveParameters{path});
    controller.command(command::SetParameters{before});
    controller.command(command::LoadParameters{path});
    EXPECT_TRUE(engine.tables().eval.parameters == edited);
    EXPECT_TRUE(view.errors.empty());

    // Files that cannot be read or written change nothing and are reported.
    controller.command(command::LoadParameters{dir.path() / "missing.par"});
    controller.command(command::SaveParameters{dir.path()});
    controller.command(command::ChangeLibrary{dir.path() / "missing.ovv", dir.path()});
    EXPECT_TRUE(engine.tables().eval.parameters == edited);
    EXPECT_EQ(engine.tables().repertoires.white, white);
    // The file that could not be read says which and why; the others cannot.
    ASSERT_EQ(view.refusals.size(), 1u);
    EXPECT_EQ(view.refusals[0].path, dir.path() / "missing.par");
    EXPECT_EQ(view.refusals[0].problem, FileProblem::missing);
    EXPECT_EQ(view.errors, (std::vector<GameError>{GameError::file, GameError::file}));
}

TEST_F(GameControllerTest, NavigationDuringTheComputersTurnThrowsItsMoveAway) {
    controller.command(command::SetLevel{LEVEL_ITEMS[3].parameters});
    play_first_legal_move();
    const BoardArray after_human = game().damier_affiche;
    view.during_search = [&] { controller.command(command::Back{}); };
    controller.boucle_jeu();
    EXPECT_TRUE(view.computer_moves.empty());
    EXPECT_EQ(game().num_demi_coup, 0);
    EXPECT_EQ(game().trait(), WHITE);
    EXPECT_EQ(game().damier_affiche, start_position());
    EXPECT_EQ(game().longueur_partie, 1);
    // The computer does not take the move back by itself: the human plays.
    EXPECT_FALSE(controller.computer_to_move());
    controller.command(command::Forward{});
    EXPECT_EQ(game().damier_affiche, after_human);
}

TEST_F(GameControllerTest, ClickStopsTheSearchWhichPlaysItsBestMoveSoFar) {
    controller.command(command::SetLevel{LEVEL_ITEMS[4].parameters});
    play_first_legal_move();
    int polls_at_click = 0;
    view.during_search = [&] {
        polls_at_click = view.polls;
        // Off the dark squares: it stops the search and picks nothing up.
        controller.command(command::SquareClicked{0});
    };
    controller.boucle_jeu();
    ASSERT_EQ(view.computer_moves.size(), 1u);
    EXPECT_EQ(game().num_demi_coup, 2);
    // Stopped at once, not after the level's depth.
    EXPECT_LE(view.polls, polls_at_click + 1);
}

TEST_F(GameControllerTest, RatedMatchIsLostOnTimeAndScoredOnce) {
    controller.command(command::SetLevel{LEVEL_ITEMS[9].parameters}); // 30 moves in 3 min
    controller.command(command::StartMatch{"Anne", 2, 1800, 2050, BLACK});
    ASSERT_EQ(game().mode_match, MatchMode::playing);
    EXPECT_FALSE(controller.options().arret_par_clic);
    // The human (rated 1800: no extra time) thinks 181 s over his first move.
    time.advance_seconds(181);
    controller.ajouter_temps();
    play_first_legal_move();
    EXPECT_EQ(controller.clocks().temps_blanc(), 181);
    controller.boucle_jeu();
    ASSERT_EQ(view.ends.size(), 1u);
    EXPECT_EQ(view.ends[0].qui_gagne, "Temps dépassé, gain Selvako");
    EXPECT_EQ(game().mode_match, MatchMode::scored);
    EXPECT_TRUE(view.computer_moves.empty());
    ASSERT_TRUE(view.ends[0].new_ratings);
    EXPECT_EQ(game().match.classements, *view.ends[0].new_ratings);
    EXPECT_TRUE(std::filesystem::exists(folders().points));
    // A finished match is not scored again.
    controller.command(command::Resign{});
    EXPECT_EQ(view.ends.size(), 1u);
}

// What a rated match locks, by ply: everything that would help a player or
// change the match's terms, and the level once ten plies are played.
Permissions match_permissions(int ply) {
    Permissions p;
    p.match_locked = true;
    p.files = p.players = p.parameters = p.analysis = false;
    p.match_options = p.position_editor = p.edition_items = p.can_navigate = false;
    p.can_change_level = ply <= 10;
    p.can_resign = true;
    return p;
}

TEST_F(GameControllerTest, RatedMatchLocksHoldFromItsFirstToItsLastPly) {
    controller.command(command::StartMatch{"Anne", 2, 1800, 2050, BLACK});
    ASSERT_FALSE(view.announced.empty());
    int guard = 0;
    while (view.ends.empty() && game().num_demi_coup < 30 && ++guard < 60) {
        EXPECT_EQ(controller.permissions(), match_permissions(game().num_demi_coup))
            << "ply " << int(game().num_demi_coup);
        // The view was told, without having to ask.
        EXPECT_EQ(view.announced.back(), controller.permissions());
        view.during_search = [&] {
            // While the computer thinks nothing may change the game under it.
            Permissions thinking = match_permissions(game().num_demi_coup);
            thinking.game_items = thinking.edition = thinking.offer_draw = false;
            EXPECT_EQ(view.announced.back(), thinking);
        };
        play_first_legal_move();
        if (::testing::Test::HasFatalFailure()) return;
        controller.boucle_jeu();
    }
    ASSERT_GT(game().num_demi_coup, 10);
    if (view.ends.empty()) controller.command(command::Resign{});
    ASSERT_FALSE(controller.match_in_progress());
    // Once scored, nothing is locked any more.
    EXPECT_EQ(controller.permissions(), Permissions{});
    EXPECT_EQ(view.announced.back(), Permissions{});
}

TEST_F(GameControllerTest, NoAnalysisNorLearningSessionDuringARatedMatch) {
    controller.command(command::SetLevel{LEVEL_ITEMS[9].parameters});
    controller.command(command::StartMatch{"Anne", 2, 1800, 2050, BLACK});
    view.time_passing = &time;
    play_first_legal_move();
    controller.boucle_jeu();
    ASSERT_EQ(game().num_demi_coup, 2);
    // An engine's judgement of the game in progress would help one player.
    controller.command(command::StartAnalysis{});
    EXPECT_FALSE(controller.analysis().analysis.running());
    EXPECT_FALSE(controller.analysis().window_shown);
    controller.command(command::StartSession{folders().points.parent_path() / "session.dal"});
    EXPECT_FALSE(controller.analysis().session);
    EXPECT_EQ(game().mode_match, MatchMode::playing);
    EXPECT_EQ(game().num_demi_coup, 2);
}

TEST_F(GameControllerTest, HumansDoubleTimeBelow1800) {
    controller.command(command::SetLevel{LEVEL_ITEMS[9].parameters});
    controller.command(command::StartMatch{"Bob", 3, 1600, 2050, BLACK});
    view.time_passing = &time;
    time.advance_seconds(361);
    controller.ajouter_temps();
    play_first_legal_move();
    controller.boucle_jeu(); // 361 div 2 = 180: still in time
    EXPECT_TRUE(view.ends.empty());
    EXPECT_EQ(view.computer_moves.size(), 1u);
    time.advance_seconds(1);
    play_first_legal_move(); // 362 div 2 = 181 > 180
    controller.boucle_jeu();
    ASSERT_EQ(view.ends.size(), 1u);
    EXPECT_EQ(view.ends[0].qui_gagne, "Temps dépassé, gain Selvako");
}

TEST_F(GameControllerTest, ClocksFollowTheRecordThroughNavigationAndPause) {
    controller.command(command::HumanAgainstHuman{});
    ASSERT_TRUE(controller.options().humain_contre_humain);
    time.advance_seconds(5);
    controller.ajouter_temps();
    play_first_legal_move();
    time.advance_seconds(9);
    controller.ajouter_temps();
    play_first_legal_move();
    EXPECT_EQ(controller.clocks().temps_blanc(), 5);
    EXPECT_EQ(controller.clocks().temps_noir(), 9);
    EXPECT_EQ(game().historique[2].temps_noir, 9);

    controller.command(command::Back{});
    EXPECT_EQ(controller.clocks().temps_noir(), 0);
    controller.command(command::ToEnd{});
    EXPECT_EQ(controller.clocks().temps_noir(), 9);

    // Seconds of a turn used before a pause are not counted.
    time.advance_seconds(4);
    controller.command(command::TogglePause{});
    time.advance_seconds(30);
    controller.ajouter_temps();
    controller.command(command::TogglePause{});
    time.advance_seconds(2);
    controller.ajouter_temps();
    play_first_legal_move();
    EXPECT_EQ(controller.clocks().temps_blanc(), 7);
}

TEST_F(GameControllerTest, SwapPlayersHandsTheMoveToTheComputer) {
    controller.command(command::SwapPlayers{});
    EXPECT_EQ(game().couleur_ordinateur, WHITE);
    controller.boucle_jeu();
    ASSERT_EQ(view.computer_moves.size(), 1u);
    EXPECT_EQ(game().num_demi_coup, 1);
    EXPECT_EQ(game().trait(), BLACK);
}

TEST_F(GameControllerTest, SavedGameReopensAsItWas) {
    play_first_legal_move();
    controller.boucle_jeu();
    ASSERT_EQ(game().num_demi_coup, 2);
    const auto path = dir.path() / "partie.dam";
    controller.command(command::Save{path});
    ASSERT_TRUE(view.errors.empty());
    const GameState saved = game();

    controller.command(command::NewGame{});
    const auto image = read_game_file(path);
    ASSERT_TRUE(image);
    controller.command(command::Open{*image});
    EXPECT_EQ(game().damier_affiche, saved.damier_affiche);
    EXPECT_EQ(game().liste_coups.lines, saved.liste_coups.lines);
    EXPECT_FALSE(controller.computer_to_move());

    controller.command(command::Save{dir.path() / "missing" / "x.dam"});
    EXPECT_EQ(view.errors, std::vector<GameError>{GameError::file});
}

TEST_F(GameControllerTest, QuitLeavesTheLastGameWhichTheNextRunReadsBack) {
    // The first run: no automatic file, the defaults and the game stand.
    controller.command(command::ReadLastSettings{});
    controller.command(command::RestoreLastGame{});
    EXPECT_TRUE(view.errors.empty());
    EXPECT_EQ(game().num_demi_coup, 0);

    play_first_legal_move();
    controller.boucle_jeu();
    controller.command(command::SetLevel{LEVEL_ITEMS[7].parameters});
    const GameState left = game();
    controller.command(command::Quit{});
    ASSERT_TRUE(controller.finished());
    ASSERT_TRUE(std::filesystem::exists(dir.path() / "last32.dam"));

    // The next run: its own engine and controller, as the program builds them.
    TimeSourceSearchClock next_clock(time);
    Engine next_engine(next_clock, 7);
    RecordingObserver next_view;
    GameController next(next_engine, time, next_view, folders());
    next.command(command::ReadLastSettings{});
    EXPECT_EQ(next.last_settings().niveau, left.settings.niveau);
    EXPECT_EQ(next.game().num_demi_coup, 0); // only the settings are read
    next.command(command::RestoreLastGame{});
    EXPECT_EQ(next.game().damier_affiche, left.damier_affiche);
    EXPECT_EQ(next.game().liste_coups.lines, left.liste_coups.lines);
    EXPECT_TRUE(next_view.errors.empty());
}

TEST_F(GameControllerTest, RefusedLastGameIsReportedAndChangesNothing) {
    play_first_legal_move();
    {
        std::ofstream out(dir.path() / "last32.dam", std::ios::binary);
        out << "not a game file";
    }
    const GameState before = game();
    controller.command(command::ReadLastSettings{});
    EXPECT_EQ(controller.last_settings().niveau, PersistentSettings{}.niveau);
    controller.command(command::RestoreLastGame{});
    EXPECT_EQ(game().damier_affiche, before.damier_affiche);
    EXPECT_EQ(game().num_demi_coup, before.num_demi_coup);
    // Each read says which file it refused, since the user did not choose it.
    EXPECT_TRUE(view.errors.empty());
    ASSERT_EQ(view.refusals.size(), 2u);
    for (const FileRefusal& refusal : view.refusals)
        EXPECT_EQ(refusal.path, dir.path() / "last32.dam");
}

TEST_F(GameControllerTest, ClickBeforeTheComputersReplyOnlyPicksThePieceUp) {
    open_position("W:Wa1,g1:Bh8"); // Black's h8 has one move; so has White's a1
    click(32);
    click(28);
    ASSERT_EQ(game().num_demi_coup, 1);
    ASSERT_TRUE(controller.computer_to_move());
    // Made before the forced reply is on the board: meant for the old position.
    controller.command(command::SquareClicked{29});
    controller.boucle_jeu();
    ASSERT_EQ(view.computer_moves.size(), 1u);
    EXPECT_EQ(game().num_demi_coup, 2);
    EXPECT_EQ(controller.input().piece_prise, WHITE_MAN);
    EXPECT_EQ(controller.input().frames[25], FRAME_MAGENTA);
    click(25);
    EXPECT_EQ(game().num_demi_coup, 3);
    EXPECT_EQ(game().damier_affiche[25], WHITE_MAN);
}

TEST_F(GameControllerTest, EndedGameStopsTheClocksAndTakesNoMove) {
    open_position("W:Wc3:Bd4");
    click(22); // c3xe5 takes Black's last piece
    ASSERT_EQ(view.ends.size(), 1u);
    EXPECT_EQ(controller.turn().holder, TurnHolder::nobody);
    time.advance_seconds(30);
    controller.ajouter_temps();
    EXPECT_EQ(controller.clocks().running(BLACK), 0);
    EXPECT_EQ(controller.clocks().running(WHITE), 0);
    // Closing the panel does not open the game again.
    controller.command(command::CloseEndPanel{});
    controller.boucle_jeu();
    EXPECT_EQ(view.polls, 0);
    EXPECT_EQ(controller.turn().holder, TurnHolder::nobody);

    // An agreed draw ends the game the same way, until a step back.
    controller.command(command::NewGame{});
    controller.command(command::SetLevel{LEVEL_ITEMS[1].parameters});
    play_first_legal_move();
    controller.boucle_jeu();
    ASSERT_EQ(game().num_demi_coup, 2);
    controller.command(command::AcceptDraw{});
    ASSERT_EQ(view.ends.size(), 2u);
    EXPECT_EQ(view.ends[1].qui_gagne, "Match nul !");
    const std::int32_t white = controller.clocks().running(WHITE);
    time.advance_seconds(12);
    controller.ajouter_temps();
    EXPECT_EQ(controller.clocks().running(WHITE), white);
    click(21); // a3 has a single move
    EXPECT_EQ(game().num_demi_coup, 2);
    EXPECT_EQ(controller.input().piece_prise, 0);

    controller.command(command::Back{});
    controller.command(command::Back{});
    EXPECT_EQ(controller.turn().holder, TurnHolder::human);
    click(21);
    EXPECT_EQ(game().num_demi_coup, 1);
}

TEST_F(GameControllerTest, EveryNewPositionClearsTheOldFrames) {
    play_first_legal_move();
    controller.boucle_jeu();
    ASSERT_EQ(view.computer_moves.size(), 1u);
    ASSERT_FALSE(no_frame_left()); // the computer's move is framed
    controller.command(command::Back{});
    EXPECT_TRUE(no_frame_left());
    controller.command(command::ToEnd{});
    EXPECT_TRUE(no_frame_left());

    play_first_legal_move();
    controller.boucle_jeu();
    ASSERT_EQ(view.computer_moves.size(), 2u);
    ASSERT_FALSE(no_frame_left());
    controller.command(command::NewGame{});
    EXPECT_TRUE(no_frame_left());
    click(22); // c3 picked up: red, its two landings magenta
    ASSERT_EQ(controller.input().frames[22], FRAME_RED);
    controller.command(command::ToEnd{});
    EXPECT_TRUE(no_frame_left());

    play_first_legal_move();
    controller.boucle_jeu();
    ASSERT_FALSE(no_frame_left());
    const GameFileImage image = controller.file_image();
    controller.command(command::Open{image});
    EXPECT_TRUE(no_frame_left());
}

TEST_F(GameControllerTest, TurnIndicatorSaysWhoIsToMove) {
    EXPECT_EQ(controller.turn(), (Turn{WHITE, TurnHolder::human, false}));
    play_first_legal_move();
    EXPECT_EQ(controller.turn(), (Turn{BLACK, TurnHolder::computer, false}));
    controller.boucle_jeu();
    EXPECT_EQ(controller.turn(), (Turn{WHITE, TurnHolder::human, false}));
    // Stepped back to the computer's colour: the human has the move, the
    // computer waits.
    controller.command(command::Back{});
    EXPECT_EQ(controller.turn(), (Turn{BLACK, TurnHolder::human, true}));
    controller.command(command::SwapPlayers{});
    EXPECT_EQ(controller.turn(), (Turn{BLACK, TurnHolder::computer, false}));
    controller.command(command::HumanAgainstHuman{});
    EXPECT_EQ(controller.turn(), (Turn{BLACK, TurnHolder::human, false}));
}

TEST_F(GameControllerTest, TakeBackReturnsToTheHumansLastTurn) {
    play_first_legal_move();
    controller.boucle_jeu();
    play_first_legal_move();
    controller.boucle_jeu();
    ASSERT_EQ(game().num_demi_coup, 4);
    controller.command(command::TakeBack{});
    EXPECT_EQ(game().num_demi_coup, 2);
    EXPECT_EQ(game().trait(), WHITE);
    EXPECT_FALSE(controller.computer_to_move());

    // Taken back while the computer thinks over its answer: only the human's move.
    controller.command(command::SetLevel{LEVEL_ITEMS[3].parameters});
    play_first_legal_move();
    view.during_search = [&] { controller.command(command::TakeBack{}); };
    controller.boucle_jeu();
    EXPECT_EQ(game().num_demi_coup, 2);
    EXPECT_EQ(game().trait(), WHITE);
    EXPECT_EQ(view.computer_moves.size(), 2u);

    // Between two humans, one ply.
    controller.command(command::HumanAgainstHuman{});
    controller.command(command::TakeBack{});
    EXPECT_EQ(game().num_demi_coup, 1);
    controller.command(command::ToStart{});
    controller.command(command::TakeBack{});
    EXPECT_EQ(game().num_demi_coup, 0);
}

TEST_F(GameControllerTest, TableSizeIsMatchedBySettingAndReallocated) {
    controller.command(command::SetTableSize{10}); // "0 Mo"
    EXPECT_EQ(game().settings.taille_tables, 10);
    EXPECT_EQ(engine.tables().table.entry_count(), 13100u);
    controller.command(command::SetTableSize{37}); // no such item
    EXPECT_EQ(game().settings.taille_tables, 10);
    EXPECT_EQ(engine.tables().table.entry_count(), 13100u);
    controller.command(command::SetTableSize{0}); // a file without the setting
    EXPECT_EQ(game().settings.taille_tables, 100);
    EXPECT_EQ(engine.tables().table.entry_count(), 131000u);
    // The computer still plays from the reallocated table.
    play_first_legal_move();
    controller.boucle_jeu();
    EXPECT_EQ(view.computer_moves.size(), 1u);
}

// Two kings walk to and fro for `plies` plies: a saved game as long as wanted.
GameFileImage shuffled_kings(int plies) {
    EngineState work;
    work.allocate_move_lists();
    const ManualTimeSource time;
    GameClocks clocks(time);
    GameState g;
    nouvelle_partie(g, clocks);
    g.damier_affiche = parse_fen("W:WKa1:BKh6").position->board;
    noter_coup(g, clocks);
    const Move shuffle[] = {{29, 25}, {12, 16}, {25, 29}, {16, 12}};
    for (int ply = 0; ply < plies; ++ply)
        EXPECT_TRUE(jouer_coup(g, work, clocks, shuffle[ply % 4]));
    return game_file_image(g);
}

TEST_F(GameControllerTest, ComputerToMoveOnAFullRecordEndsTheGameInsteadOfWritingPastIt) {
    controller.command(command::Open{shuffled_kings(LAST_GAME_PLY)});
    ASSERT_EQ(game().num_demi_coup, LAST_GAME_PLY);
    const FicheCoup next = game().historique[LAST_GAME_PLY + 1];
    controller.command(command::SwapPlayers{});
    controller.boucle_jeu();
    EXPECT_TRUE(view.computer_moves.empty());
    EXPECT_EQ(game().num_demi_coup, LAST_GAME_PLY);
    EXPECT_EQ(game().historique[LAST_GAME_PLY + 1].board, next.board);
    EXPECT_EQ(view.errors, std::vector<GameError>{GameError::record_full});
    ASSERT_EQ(view.ends.size(), 1u);
    EXPECT_EQ(view.ends[0].outcome, Outcome::draw);
    EXPECT_FALSE(controller.computer_to_move());
}

// Two kings walk to and fro while a black man waits on e7, until the man
// steps into the white king's diagonal and is taken at ply 197: a saved game
// in which the material still changes within the last sixty plies, so that
// two computers playing it on are not stopped as going nowhere before the
// record is full.
GameFileImage kings_then_a_capture() {
    EngineState work;
    work.allocate_move_lists();
    const ManualTimeSource time;
    GameClocks clocks(time);
    GameState g;
    nouvelle_partie(g, clocks);
    g.damier_affiche = parse_fen("W:WKa1:BKh6,e7").position->board;
    noter_coup(g, clocks);
    const auto play = [&](const char* from, const char* to) {
        work.set_position(g.damier_affiche);
        const int count = generate_root_moves(work, g.trait());
        for (int k = 0; k < count; ++k) {
            const Move m = work.list(1)[k];
            if (m.from == parse_square(from) && m.to == parse_square(to)) {
                EXPECT_TRUE(jouer_coup(g, work, clocks, m));
                return;
            }
        }
        ADD_FAILURE() << from << '-' << to << " is not legal at ply " << int(g.num_demi_coup);
    };
    for (int round = 0; round < 48; ++round) {
        play("a1", "b2");
        play("h6", "g5");
        play("b2", "a1");
        play("g5", "h6");
    }
    play("a1", "b2");
    play("h6", "g5");
    play("b2", "a1");
    play("e7", "f6");
    play("a1", "g7");
    EXPECT_EQ(g.num_demi_coup, 197);
    return game_file_image(g);
}

// The two computers play a saved game on until the record is full: the one
// to move then ends the game with the "record full" message instead of
// recording a ply past the record's end.
TEST_F(GameControllerTest, ComputerAgainstComputerPlaysOnToTheFullRecord) {
    controller.command(command::Open{kings_then_a_capture()});
    ASSERT_EQ(game().num_demi_coup, 197);
    const FicheCoup past_the_end = game().historique[LAST_GAME_PLY + 1];
    controller.command(command::SetLevel{LEVEL_ITEMS[1].parameters});
    controller.command(command::ComputerAgainstComputer{});
    int passes = 0;
    while (view.ends.empty() && ++passes < 2 * HISTORY_PLIES) controller.boucle_jeu();
    EXPECT_EQ(static_cast<int>(view.computer_moves.size()), LAST_GAME_PLY - 197);
    EXPECT_EQ(game().num_demi_coup, LAST_GAME_PLY);
    EXPECT_EQ(game().longueur_partie, LAST_GAME_PLY);
    EXPECT_EQ(view.errors, std::vector<GameError>{GameError::record_full});
    ASSERT_EQ(view.ends.size(), 1u);
    EXPECT_EQ(view.ends[0].outcome, Outcome::draw);
    EXPECT_EQ(game().historique[LAST_GAME_PLY + 1].board, past_the_end.board);
    EXPECT_EQ(game().historique[LAST_GAME_PLY + 1].from, past_the_end.from);
    // The game is over: another pass neither searches nor records.
    const int polls = view.polls;
    controller.boucle_jeu();
    EXPECT_EQ(view.polls, polls);
    EXPECT_EQ(game().num_demi_coup, LAST_GAME_PLY);
    EXPECT_EQ(view.ends.size(), 1u);
}

TEST_F(GameControllerTest, ComputerFillingTheLastPlyEndsTheGameAsTheHumanDoes) {
    controller.command(command::Open{shuffled_kings(LAST_GAME_PLY - 1)});
    controller.command(command::SwapPlayers{});
    controller.boucle_jeu();
    ASSERT_EQ(view.computer_moves.size(), 1u);
    EXPECT_EQ(game().num_demi_coup, LAST_GAME_PLY);
    EXPECT_EQ(view.errors, std::vector<GameError>{GameError::record_full});
    ASSERT_EQ(view.ends.size(), 1u);

    // The full game saves and reopens with every ply it holds.
    const auto path = dir.path() / "full.dam";
    controller.command(command::Save{path});
    const GameState saved = game();
    const auto image = read_game_file(path);
    ASSERT_TRUE(image);
    controller.command(command::NewGame{});
    controller.command(command::Open{*image});
    EXPECT_EQ(game().longueur_partie, LAST_GAME_PLY);
    EXPECT_EQ(game().liste_coups.lines, saved.liste_coups.lines);
    for (int ply = 0; ply <= LAST_GAME_PLY; ++ply) {
        const FicheCoup& a = game().historique[ply];
        const FicheCoup& b = saved.historique[ply];
        EXPECT_TRUE(a.board == b.board && a.from == b.from && a.to == b.to &&
                    a.temps_blanc == b.temps_blanc && a.temps_noir == b.temps_noir)
            << "ply " << ply;
    }
}

} // namespace

namespace {

// The clipboard's text through the controller: a FEN becomes a new game from
// that position with the human to move and the names kept; a PDN game is
// replayed; bad text changes nothing.
TEST_F(GameControllerTest, PastedFenSetsUpANewGameForTheHuman) {
    play_first_legal_move();
    const std::string names_before = name_text(game().nom_blanc) + "/" + name_text(game().nom_noir);
    const GameTextFile pasted = read_clipboard_text(" B:WKc1,e3:Bd6,f6\n", game());
    ASSERT_TRUE(pasted.error.empty()) << pasted.error;
    controller.command(command::LoadGame{pasted.games[0]});
    EXPECT_EQ(position_fen(game()), "B:We3,Kc1:Bd6,f6");
    EXPECT_EQ(game().trait(), BLACK);
    EXPECT_EQ(game().longueur_partie, 0);
    EXPECT_TRUE(game().liste_coups.lines.empty());
    EXPECT_FALSE(controller.computer_to_move());
    EXPECT_EQ(name_text(game().nom_blanc) + "/" + name_text(game().nom_noir), names_before);
}

TEST_F(GameControllerTest, CopiedGameAsPdnPastesBackAsTheSameGame) {
    for (int k = 0; k < 3; ++k) {
        play_first_legal_move();
        controller.boucle_jeu(); // the computer's answer
    }
    const GameState before = game();
    ASSERT_GE(before.longueur_partie, 5);
    const std::string pdn = game_pdn(before);
    EXPECT_NE(pdn.find("[GameType \"26\"]"), std::string::npos);
    controller.command(command::NewGame{});
    const GameTextFile pasted = read_clipboard_text(pdn, game());
    ASSERT_TRUE(pasted.error.empty()) << pasted.error;
    ASSERT_EQ(pasted.games.size(), 1u);
    controller.command(command::LoadGame{pasted.games[0]});
    EXPECT_EQ(game().longueur_partie, before.longueur_partie);
    EXPECT_EQ(game().liste_coups.lines, before.liste_coups.lines);
    EXPECT_EQ(game().damier_affiche, before.damier_affiche);
}

// White's c3xe5 takes Black's last piece: pasted or reopened, the game
// arrives over, with no clock running and nobody to move.
TEST_F(GameControllerTest, GameThatArrivesFinishedStaysFinished) {
    selvako::testing::TwoPlayerGame won("W:Wc3:Bd4");
    won.play(22, 15);
    const std::string pdn = game_pdn(won.game);
    const GameTextFile pasted = read_clipboard_text(pdn, game());
    ASSERT_TRUE(pasted.error.empty()) << pasted.error;
    for (const Command& arrival : {Command{command::LoadGame{pasted.games[0]}},
                                   Command{command::Open{game_file_image(won.game)}}}) {
        controller.command(command::NewGame{});
        controller.command(arrival);
        ASSERT_EQ(game().num_demi_coup, 1) << arrival.index();
        EXPECT_TRUE(controller.notices().game_over) << arrival.index();
        EXPECT_EQ(controller.turn().holder, TurnHolder::nobody);
        const std::int32_t blanc = controller.clocks().temps_blanc();
        const std::int32_t noir = controller.clocks().temps_noir();
        time.advance_seconds(30);
        controller.ajouter_temps();
        controller.boucle_jeu();
        EXPECT_EQ(controller.clocks().temps_blanc(), blanc);
        EXPECT_EQ(controller.clocks().temps_noir(), noir);
        EXPECT_TRUE(view.computer_moves.empty());
    }
    // A step back opens the game again; the step forward closes it.
    controller.command(command::Back{});
    EXPECT_FALSE(controller.notices().game_over);
    controller.command(command::Forward{});
    EXPECT_TRUE(controller.notices().game_over);
}

TEST(ClipboardText, RefusesTextThatIsNeitherAPlayableFenNorPdn) {
    const GameState current;
    for (const char* bad : {"", "   \n", "hello, world", "W:Wz9:B12", "W:W1-12",
                            "W:Wb8:Bd6", // a white man on its promotion row
                            "B:Wc3:Bc1", // a black man on its promotion row
                            "W:W:Bd6", "W:Wc3:B"}) {
        const GameTextFile file = read_clipboard_text(bad, current);
        EXPECT_FALSE(file.error.empty()) << '"' << bad << '"';
        EXPECT_TRUE(file.games.empty()) << '"' << bad << '"';
    }
}

TEST(ClipboardText, ManOnItsPromotionRowIsNamed) {
    const GameState current;
    EXPECT_EQ(read_clipboard_text("W:Wc3:Be1", current).error, "man on its promotion row at e1");
    // Black's men on their own back row are where a game starts them.
    EXPECT_TRUE(read_clipboard_text("W:Wc3:Bh8", current).error.empty());
}

TEST(ClipboardText, FenCopiedIsTheOneReadBack) {
    GameState game;
    const Position set_up = *parse_fen("W:WKb8,c3,a1:Bd6,Ka7,h2").position;
    game.damier_affiche = set_up.board;
    game.set_trait(WHITE);
    const std::string fen = position_fen(game);
    EXPECT_EQ(fen, "W:WKb8,c3,a1:BKa7,d6,h2");
    const GameTextFile back = read_clipboard_text(fen, game);
    ASSERT_TRUE(back.error.empty()) << back.error;
    EXPECT_EQ(back.games[0].start->board, game.damier_affiche);
}

} // namespace

