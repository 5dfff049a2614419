// Players, ratings and the games the new-game panel starts, on the controller
// without a window: the two player files kept in step, rated matches from the
// list and their ratings written at the end.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "game/game_controller.h"
#include "game/new_game.h"
#include "game/rating.h"
#include "game/time_source_search_clock.h"
#include "tests/engine/temp_folder.h"

using namespace selvako;

namespace {

struct ErrorObserver : GameObserver {
    std::vector<GameError> errors;
    std::vector<GameEndReport> ends;
    void error(GameError kind) override { errors.push_back(kind); }
    void game_ended(const GameEndReport& report) override { ends.push_back(report); }
};

class PlayersTest : public ::testing::Test {
  protected:
    PlayersTest()
        : search_clock(time), engine(search_clock, 7),
          controller(engine, time, view, {dir.path() / "points.dat", {}}) {
        engine.load({SELVAKO_TEST_DATA_DIR, {}});
        controller.command(command::StartUp{});
        controller.command(command::SetLevel{LEVEL_ITEMS[1].parameters});
    }

    std::filesystem::path joueurs() const { return dir.path() / "joueurs.dat"; }
    std::filesystem::path points() const { return dir.path() / "points.dat"; }
    void put(const std::filesystem::path& path, const std::string& text) const {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string text_of(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void four_players() const {
        put(joueurs(), "Selvako\nAnne\nBob\nCarl\n");
        put(points(), "2200\n1800\n1650\n1700\n");
    }
    const GameState& game() const { return controller.game(); }

    selvako::testing::TempFolder dir;
    ManualTimeSource time{1'000'000};
    TimeSourceSearchClock search_clock;
    ErrorObserver view;
    Engine engine;
    GameController controller;
};

TEST_F(PlayersTest, MissingFilesAreCreatedWithTheComputer) {
    controller.command(command::LoadPlayers{});
    EXPECT_TRUE(view.errors.empty());
    EXPECT_EQ(text_of(joueurs()), "Selvako\n");
    EXPECT_EQ(text_of(points()), "2050\n");
    ASSERT_EQ(controller.players().players.size(), 1u);
}

TEST_F(PlayersTest, NewAndDeletedPlayersKeepBothFilesInStep) {
    // "points.dat" one line short: the new player's rating must not land on
    // Carl's line.
    put(joueurs(), "Selvako\nAnne\nBob\nCarl\n");
    put(points(), "2200\n1800\n1650\n");
    controller.command(command::NewPlayer{"Dora", 1700});
    EXPECT_EQ(text_of(joueurs()), "Selvako\nAnne\nBob\nCarl\nDora\n");
    EXPECT_EQ(text_of(points()), "2200\n1800\n1650\n1500\n1700\n");
    // The disagreement was reported, once.
    EXPECT_EQ(view.errors, std::vector<GameError>{GameError::player_files});

    // A name already listed, an empty one and one too long for a game record
    // change nothing.
    controller.command(command::NewPlayer{"Bob", 1800});
    controller.command(command::NewPlayer{"", 1800});
    controller.command(command::NewPlayer{std::string(20, 'z'), 1800});
    EXPECT_EQ(controller.players().players.size(), 5u);

    controller.command(command::DeletePlayer{3});
    EXPECT_EQ(text_of(joueurs()), "Selvako\nAnne\nBob\nDora\n");
    EXPECT_EQ(text_of(points()), "2200\n1800\n1650\n1700\n");
    // The computer's line stays, and so does a line that is not there.
    controller.command(command::DeletePlayer{0});
    controller.command(command::DeletePlayer{4});
    EXPECT_EQ(text_of(joueurs()), "Selvako\nAnne\nBob\nDora\n");
    EXPECT_EQ(view.errors.size(), 1u);
}

TEST_F(PlayersTest, ARatingThatIsNotANumberIsReportedOnceAndPlaysAt1500) {
    put(joueurs(), "Selvako\nAnne\n");
    put(points(), "2050\nmille\n");
    controller.command(command::LoadPlayers{});
    controller.command(command::LoadPlayers{});
    EXPECT_EQ(view.errors, std::vector<GameError>{GameError::player_files});
    EXPECT_EQ(controller.players().players[1].points, 1500);
}

TEST_F(PlayersTest, UnreadableFilesAreReportedAndChangeNothing) {
    four_players();
    controller.command(command::LoadPlayers{});
    std::filesystem::remove(points());
    std::filesystem::create_directory(points());
    controller.command(command::NewPlayer{"Dora", 1700});
    EXPECT_EQ(view.errors, std::vector<GameError>{GameError::file});
    EXPECT_EQ(controller.players().players.size(), 4u);
    EXPECT_EQ(text_of(joueurs()), "Selvako\nAnne\nBob\nCarl\n");
}

TEST_F(PlayersTest, MatchRatingsBelongToTheNameThatPlays) {
    four_players();
    // The panel's selected line (1, Anne) and the typed name (Bob) differ:
    // Bob plays with Bob's rating and line.
    controller.command(command::StartMatch{"Bob", 1, 1800, 2050, BLACK, true});
    ASSERT_EQ(game().mode_match, MatchMode::playing);
    EXPECT_EQ(game().match.index_blanc, 2);
    EXPECT_EQ(game().match.index_noir, 0);
    EXPECT_EQ(game().match.classements, (Ratings{1650, 2200}));
    EXPECT_EQ(name_text(game().nom_blanc), "Bob");

    // A name that is not in the list starts nothing.
    controller.command(command::NewGame{});
    controller.command(command::StartMatch{"Zoé", 1, 1800, 2050, BLACK, true});
    EXPECT_EQ(game().mode_match, MatchMode::none);

    // "Inconnu" plays at 1500 whatever the file says, and has no line to write.
    put(joueurs(), "Selvako\nInconnu\n");
    put(points(), "2200\n1900\n");
    controller.command(command::LoadPlayers{});
    controller.command(command::StartMatch{"Inconnu", 1, 1800, 2050, WHITE, true});
    ASSERT_EQ(game().mode_match, MatchMode::playing);
    EXPECT_EQ(game().match.classements, (Ratings{2200, 1500}));
    EXPECT_EQ(game().match.index_noir, 1);
    EXPECT_EQ(name_text(game().nom_blanc), "Selvako");
    EXPECT_EQ(game().ordinateur_au_trait, 1);
}

TEST_F(PlayersTest, TheHumanNeverTakesTheComputersLine) {
    four_players();
    controller.command(command::StartMatch{"Anne", 0, 1800, 2050, BLACK});
    EXPECT_EQ(game().mode_match, MatchMode::none);
    // The computer's own name: an unrated game of the computer against itself.
    controller.command(command::StartMatch{"Selvako", 1, 1800, 2050, BLACK, true});
    EXPECT_EQ(game().mode_match, MatchMode::none);
    EXPECT_TRUE(controller.options().ordinateur_contre_ordinateur);
    EXPECT_TRUE(controller.options().arret_par_clic);
}

TEST_F(PlayersTest, ResignedMatchWritesBothRatingsFromTheComputersReset) {
    four_players();
    controller.command(command::LoadPlayers{});
    controller.command(command::ResetComputerRating{});
    EXPECT_EQ(controller.players().players[0].points, 2050);
    // The reset reaches the file only when the match ends.
    EXPECT_EQ(text_of(points()), "2200\n1800\n1650\n1700\n");
    controller.command(command::StartMatch{"Carl", 0, 0, 0, WHITE, true});
    ASSERT_EQ(game().mode_match, MatchMode::playing);
    EXPECT_EQ(game().match.classements, (Ratings{2050, 1700}));

    controller.command(command::Resign{});
    ASSERT_EQ(view.ends.size(), 1u);
    const Ratings after = new_ratings({2050, 1700}, Outcome::white_won);
    ASSERT_TRUE(view.ends[0].new_ratings);
    EXPECT_EQ(*view.ends[0].new_ratings, after);
    EXPECT_GT(after.blanc, 2050);
    EXPECT_LT(after.noir, 1700);
    EXPECT_EQ(text_of(points()),
              std::to_string(after.blanc) + "\n1800\n1650\n" + std::to_string(after.noir) + "\n");
    EXPECT_EQ(text_of(joueurs()), "Selvako\nAnne\nBob\nCarl\n");
    EXPECT_EQ(game().mode_match, MatchMode::none);
}

TEST_F(PlayersTest, TrainingAndHumanGamesTakeTheirNames) {
    controller.command(command::LoadPlayers{});
    controller.command(command::StartTraining{"Anne", WHITE});
    EXPECT_EQ(name_text(game().nom_blanc), "Selvako");
    EXPECT_EQ(name_text(game().nom_noir), "Anne");
    EXPECT_EQ(game().couleur_ordinateur, WHITE);
    EXPECT_EQ(game().mode_match, MatchMode::none);
    EXPECT_TRUE(controller.computer_to_move());
    controller.boucle_jeu();
    EXPECT_EQ(game().num_demi_coup, 1);

    controller.command(command::StartTraining{"Selvako", BLACK});
    EXPECT_TRUE(controller.options().ordinateur_contre_ordinateur);

    // Two humans need two names, different, neither the computer's.
    controller.command(command::StartHumanGame{"Anne", "Anne"});
    controller.command(command::StartHumanGame{"Anne", "Selvako"});
    controller.command(command::StartHumanGame{"", "Bob"});
    EXPECT_FALSE(controller.options().humain_contre_humain);
    controller.command(command::StartHumanGame{"Anne", "Bob"});
    EXPECT_TRUE(controller.options().humain_contre_humain);
    EXPECT_FALSE(controller.options().ordinateur_contre_ordinateur);
    EXPECT_TRUE(controller.options().humain_contre_humain);
    EXPECT_EQ(name_text(game().historique[0].nom_noir), "Bob");

    controller.command(command::ChangeNames{"Carl", "Dora"});
    EXPECT_EQ(name_text(game().nom_blanc), "Carl");
    EXPECT_EQ(name_text(game().historique[0].nom_noir), "Dora");
}

} // namespace
