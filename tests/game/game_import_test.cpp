#include <gtest/gtest.h>

#include <string>

#include "files/pdn_file.h"
#include "files/text_game_file.h"
#include "tests/files/record_fixture.h"

namespace selvako {
namespace {

using testing::Record;

GameText only_game(const GameTextFile& file) {
    EXPECT_TRUE(file.error.empty()) << file.error;
    EXPECT_EQ(file.games.size(), 1u);
    return file.games.empty() ? GameText{} : file.games[0];
}

TEST(GameImport, ReplayKeepsTheLengthAndTheMoveList) {
    Record replay;
    const GameText text =
        only_game(read_text_games("A-B\n 1.c3-d4 f6-e5   2.d4xf6 g7xe5   3.b2-c3 \n"));
    const ReplayReport report = rejouer_partie(replay.game, replay.clocks, replay.engine, text);
    EXPECT_EQ(report.played, 5);
    EXPECT_EQ(report.skipped, 0);
    EXPECT_EQ(replay.game.longueur_partie, 5);
    EXPECT_EQ(replay.game.num_demi_coup, 5);
    EXPECT_EQ(replay.game.liste_coups.lines,
              (std::vector<std::string>{" 1.c3-d4 f6-e5", " 2.d4xf6 g7xe5", " 3.b2-c3 "}));
    EXPECT_EQ(replay.game.trait(), BLACK);
    EXPECT_EQ(name_text(replay.game.nom_blanc), "A");
}

TEST(GameImport, IllegalMovesArePassedOverAndTheSideStays) {
    Record replay;
    const GameText text = only_game(read_text_games("A-B\n 1.c3-d4 c3-d4 f6-e5 h8-g7\n"));
    const ReplayReport report = rejouer_partie(replay.game, replay.clocks, replay.engine, text);
    EXPECT_EQ(report.played, 2);
    EXPECT_EQ(report.skipped, 2);
    EXPECT_EQ(replay.game.liste_coups.lines, (std::vector<std::string>{" 1.c3-d4 f6-e5"}));
}

TEST(GameImport, TextExportReadsBackAsTheSameGame) {
    Record original;
    for (const char* move : {"c3-d4", "f6-e5", "d4xf6", "g7xe5", "b2-c3"}) original.play(move);
    original.play_first_moves(24);
    const std::string text = text_game("Inconnu", "Selvako", Outcome::draw, original.played());
    const GameText read = only_game(read_text_games(text));
    EXPECT_EQ(read.black, "Selvako");
    EXPECT_EQ(read.result, Outcome::draw);
    Record replay;
    rejouer_partie(replay.game, replay.clocks, replay.engine, read);
    testing::expect_same_game(replay.game, original.game);
}

TEST(GameImport, PdnRoundTripKeepsCapturesPromotionsAndTheSetUpStart) {
    // A capture of four pieces whose ends two paths share, then a king's move.
    Record ambiguous("W:We3,Kg1:Bd4,d6,f4,f6,b8");
    // Black begins, takes two men and is crowned on c1.
    Record crowning("B:Wd4,d2,h2:Bc5,a7");
    const std::vector<std::string> first = {"e3xc5xe7xg5xe3", "b8-a7", "g1-h2", "a7-b6"};
    for (const std::string& move : first) ambiguous.play(move);
    const std::vector<std::string> second = {"c5xc1", "h2-g3"};
    for (const std::string& move : second) crowning.play(move);
    ASSERT_EQ(crowning.game.historique[1].board[parse_square("c1")], BLACK_KING);

    for (Record* game : {&ambiguous, &crowning}) {
        PdnTags tags;
        tags.white = "W";
        tags.black = "B";
        const std::string text = pdn_game(tags, game->played());
        const GameText read = only_game(read_pdn_games(text));
        ASSERT_TRUE(read.start) << text;
        Record replay;
        const ReplayReport report = rejouer_partie(replay.game, replay.clocks, replay.engine, read);
        EXPECT_EQ(report.skipped, 0) << text;
        testing::expect_same_game(replay.game, game->game);
    }
}

TEST(GameImport, PdnRoundTripFromTheOpeningWithPromotion) {
    // Each side plays its first legal move until the game ends or a man is
    // crowned a few plies before.
    Record original;
    int crowned_at = -1;
    for (int ply = 0; ply < 200 && (crowned_at < 0 || ply < crowned_at + 4); ++ply) {
        original.engine.set_position(original.game.damier_affiche);
        if (generate_root_moves(original.engine, original.game.trait()) == 0) break;
        ASSERT_TRUE(
            jouer_coup(original.game, original.engine, original.clocks, original.engine.list(1)[0]));
        for (int s = 1; s <= NUM_SQUARES && crowned_at < 0; ++s)
            if (is_king(original.game.damier_affiche[s])) crowned_at = ply;
    }
    ASSERT_GE(crowned_at, 0) << "the game should crown a man for this test to mean something";
    const std::string text = pdn_game(PdnTags{}, original.played());
    Record replay;
    rejouer_partie(replay.game, replay.clocks, replay.engine, only_game(read_pdn_games(text)));
    testing::expect_same_game(replay.game, original.game);
}

} // namespace
} // namespace selvako
