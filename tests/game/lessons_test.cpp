// Lessons in a folder: stepping from one to the next and round again, a
// folder that has gone or emptied, lessons that claim more plies than the
// record can show, and the controller's commands that open them.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <vector>

#include "game/game_controller.h"
#include "game/lessons.h"
#include "game/saved_game.h"
#include "game/time_source_search_clock.h"
#include "tests/engine/temp_folder.h"
#include "tests/game/game_fixture.h"

using namespace selvako;
using selvako::testing::TempFolder;
using selvako::testing::TwoPlayerGame;

namespace {

void touch(const std::filesystem::path& path) {
    std::ofstream(path) << "x";
}

// A lesson whose one position is `fen`, White to move.
GameFileImage lesson_image(const std::string& fen) {
    const TwoPlayerGame t(fen);
    return game_file_image(t.game);
}

// The position as the board shows it once the file is read.
BoardArray shown(const GameFileImage& image) {
    BoardArray board = image.historique[0].board;
    board[0] = SENTINEL;
    return board;
}

// Kings shuffling for `plies` plies, the length byte then set by hand.
GameFileImage long_record(int plies, std::uint8_t length_byte) {
    TwoPlayerGame t("W:WKa1:BKh6");
    GameFileImage image = game_file_image(t.game);
    const Square shuffle[][2] = {{29, 25}, {12, 16}, {25, 29}, {16, 12}};
    BoardArray board = t.game.historique[0].board;
    for (int k = 1; k <= plies; ++k) {
        FicheCoup& r = image.historique[k];
        r = t.game.historique[0];
        r.from = shuffle[(k - 1) % 4][0];
        r.to = shuffle[(k - 1) % 4][1];
        std::swap(board[r.from], board[r.to]);
        r.board = board;
        r.board[0] = SENTINEL;
    }
    image.historique[0].board[0] = length_byte;
    // The ply on show is a ply of the record, whatever the length byte says.
    image.num_demi_coup = static_cast<std::uint8_t>(std::min<int>(length_byte, LAST_PLY));
    image.trait = static_cast<std::uint8_t>(image.num_demi_coup & 1);
    return image;
}

TEST(LessonFolder, StepsInNameOrderAndComesRoundAgain) {
    TempFolder dir;
    for (const char* name : {"c.dam", "B.DAM", "a.dam", "a.damt", "B.damt", "notes.txt"})
        touch(dir.path() / name);
    std::filesystem::create_directory(dir.path() / "sub.dam");
    const std::vector<std::filesystem::path> files = lesson_files(dir.path());
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].filename(), "a.dam");
    EXPECT_EQ(files[1].filename(), "B.DAM");
    EXPECT_EQ(files[2].filename(), "c.dam");

    LessonFolder lessons;
    EXPECT_FALSE(lessons.next()); // nothing open yet
    lessons.open(dir.path() / "a.dam");
    std::vector<std::string> seen;
    for (int press = 0; press < 4; ++press) {
        const auto next = lessons.next();
        ASSERT_TRUE(next);
        seen.push_back(next->filename().string());
        lessons.open(*next);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"B.DAM", "c.dam", "a.dam", "B.DAM"}));
    EXPECT_EQ(lesson_text(dir.path() / "B.DAM").filename(), "B.DAMt");
}

TEST(LessonFolder, EveryStepEndsWhateverBecameOfTheFolder) {
    TempFolder dir;
    touch(dir.path() / "a.dam");
    touch(dir.path() / "c.dam");
    LessonFolder lessons;
    lessons.open(dir.path() / "b.dam"); // deleted since it was opened
    EXPECT_EQ(lessons.next()->filename(), "c.dam");

    lessons.open(dir.path() / "a.dam");
    std::filesystem::remove(dir.path() / "c.dam");
    EXPECT_EQ(lessons.next()->filename(), "a.dam"); // the only one left comes again

    std::filesystem::remove(dir.path() / "a.dam");
    EXPECT_FALSE(lessons.next()); // emptied
    std::filesystem::remove_all(dir.path());
    EXPECT_FALSE(lessons.next()); // gone
    std::filesystem::create_directories(dir.path());
    touch(dir.path() / "plain");
    lessons.open(dir.path() / "plain" / "x.dam"); // a file where a folder should be
    EXPECT_FALSE(lessons.next());
    lessons.close();
    EXPECT_FALSE(lessons.is_open());
}

TEST(LessonFile, LengthByte255OpensAs250AndOnlyForLessons) {
    const std::vector<std::uint8_t> bytes = encode_game_file(long_record(LAST_PLY, 255));
    const auto lesson = decode_game_file(bytes, GameFileUse::lesson);
    ASSERT_TRUE(lesson);
    EXPECT_EQ(lesson->historique[0].board[0], LAST_LESSON_PLY);
    EXPECT_EQ(lesson->num_demi_coup, LAST_LESSON_PLY);
    EXPECT_EQ(lesson->trait, WHITE); // four plies back: the same side to move
    const auto game = decode_game_file(bytes);
    ASSERT_TRUE(game);
    EXPECT_EQ(game->historique[0].board[0], LAST_GAME_PLY);

    // The cap does not excuse plies that are not there.
    EXPECT_FALSE(decode_game_file(encode_game_file(long_record(10, 255)), GameFileUse::lesson));
    // A lesson within the cap reads as it was written.
    const auto short_lesson =
        decode_game_file(encode_game_file(long_record(40, 40)), GameFileUse::lesson);
    ASSERT_TRUE(short_lesson);
    EXPECT_EQ(short_lesson->historique[0].board[0], 40);
}

struct QuietObserver : GameObserver {
    std::vector<GameError> errors;
    void error(GameError kind) override { errors.push_back(kind); }
};

class LessonCommands : public ::testing::Test {
  protected:
    LessonCommands() : search_clock(time), engine(search_clock, 7), controller(engine, time, view) {
        engine.load({SELVAKO_TEST_DATA_DIR, {}});
        controller.command(command::StartUp{});
    }

    std::filesystem::path write(const std::string& name, const GameFileImage& image) {
        const auto path = dir.path() / name;
        EXPECT_TRUE(write_game_file(path, image));
        return path;
    }
    const GameState& game() const { return controller.game(); }

    TempFolder dir;
    ManualTimeSource time{1'000'000};
    TimeSourceSearchClock search_clock;
    QuietObserver view;
    Engine engine;
    GameController controller;
};

TEST_F(LessonCommands, NextComesBackToTheFirstAfterAsManyPressesAsLessons) {
    const char* fens[] = {"W:Wc3:Bf6", "W:We3:Bb6", "W:Wg3:Bd6"};
    const auto first = write("1.dam", lesson_image(fens[0]));
    write("2.dam", lesson_image(fens[1]));
    write("3.dam", lesson_image(fens[2]));
    controller.command(command::OpenLesson{first});
    ASSERT_EQ(controller.lessons().current(), first);
    for (int press = 1; press <= 3; ++press) {
        controller.command(command::NextLesson{});
        const std::string fen = fens[press % 3];
        EXPECT_EQ(game().damier_affiche, shown(lesson_image(fen))) << press;
    }
    EXPECT_EQ(controller.lessons().current(), first);
    EXPECT_TRUE(view.errors.empty());
    controller.command(command::NewGame{});
    EXPECT_FALSE(controller.lessons().is_open());
}

TEST_F(LessonCommands, LessonsKeepTheLevelInPlay) {
    // The lesson files carry level 5, as every file written with the defaults.
    const auto first = write("1.dam", lesson_image("W:Wc3:Bf6"));
    write("2.dam", lesson_image("W:We3:Bb6"));
    controller.command(command::SetLevel{LEVEL_ITEMS[0].parameters});
    for (const Command& c : {Command{command::OpenLesson{first}}, Command{command::NextLesson{}},
                             Command{command::ReviewLesson{}}}) {
        controller.command(c);
        EXPECT_EQ(game().settings.niveau, LEVEL_ITEMS[0].parameters.niveau) << c.index();
        EXPECT_EQ(game().settings.budget_recherche, LEVEL_ITEMS[0].parameters.budget_recherche);
        EXPECT_EQ(game().settings.temps_alloue, LEVEL_ITEMS[0].parameters.temps_alloue);
    }
    ASSERT_EQ(controller.lessons().current(), dir.path() / "2.dam");
}

TEST_F(LessonCommands, ReviewReloadsTheLessonAndBadFilesChangeNothing) {
    const auto lesson = write("a.dam", lesson_image("W:Wc3:Bf6"));
    controller.command(command::OpenLesson{lesson});
    controller.command(command::HumanAgainstHuman{});
    const BoardArray start = game().damier_affiche;
    controller.command(command::SquareClicked{22}); // c3
    controller.boucle_jeu();
    controller.command(command::SquareClicked{18}); // d4
    controller.boucle_jeu();
    ASSERT_EQ(game().num_demi_coup, 1);
    controller.command(command::ReviewLesson{});
    EXPECT_EQ(game().num_demi_coup, 0);
    EXPECT_EQ(game().longueur_partie, 0);
    EXPECT_EQ(game().damier_affiche, start);

    // A foreign file: one error, the lesson on show stays and the steps
    // move past it, so the next press does not stop there again.
    touch(dir.path() / "b.dam");
    controller.command(command::NextLesson{});
    EXPECT_EQ(view.errors, std::vector<GameError>{GameError::file});
    EXPECT_EQ(game().damier_affiche, start);
    EXPECT_EQ(controller.lessons().current(), dir.path() / "b.dam");
    controller.command(command::NextLesson{});
    EXPECT_EQ(controller.lessons().current(), lesson);
    EXPECT_EQ(view.errors.size(), 1u);

    controller.command(command::OpenLesson{dir.path() / "missing.dam"});
    EXPECT_EQ(view.errors.size(), 2u);
    EXPECT_EQ(controller.lessons().current(), lesson);
}

TEST_F(LessonCommands, NoStepGoesPastTheLastPlyALessonShows) {
    const auto lesson = write("long.dam", long_record(LAST_PLY, 255));
    controller.command(command::OpenLesson{lesson});
    EXPECT_EQ(game().longueur_partie, LAST_LESSON_PLY);
    EXPECT_EQ(game().num_demi_coup, LAST_LESSON_PLY);
    controller.command(command::ToStart{});
    controller.command(command::ToEnd{});
    EXPECT_EQ(game().num_demi_coup, LAST_LESSON_PLY);
    controller.command(command::Forward{});
    EXPECT_EQ(game().num_demi_coup, LAST_LESSON_PLY);
    // "Suivant ->" on the only lesson of the folder reads it again, capped too.
    controller.command(command::NextLesson{});
    EXPECT_EQ(game().longueur_partie, LAST_LESSON_PLY);
    EXPECT_TRUE(view.errors.empty());
}

} // namespace
