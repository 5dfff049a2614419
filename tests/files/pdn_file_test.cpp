#include <gtest/gtest.h>

#include <string>

#include "engine/move_generation.h"
#include "files/pdn_file.h"
#include "game/typed_move.h"
#include "tests/game/game_fixture.h"

namespace selvako {
namespace {

struct Record : testing::TwoPlayerGame {
    using TwoPlayerGame::TwoPlayerGame;

    void play(const std::string& text) {
        const auto typed = parse_typed_move(text);
        ASSERT_TRUE(typed) << text;
        const TypedMoveResult r = match_typed_move(*typed, game.damier_affiche, game.trait, engine);
        ASSERT_EQ(r.match, TypedMoveMatch::one) << text;
        ASSERT_TRUE(jouer_coup(game, engine, clocks, r.move.move));
    }
};

TEST(PdnFile, GameHasTheTagsNumberedMovesAndResult) {
    Record r;
    for (const char* move : {"c3-d4", "f6-e5", "d4xf6", "g7xe5", "b2-c3"}) r.play(move);
    PdnTags tags;
    tags.event = "Selvako selfplay";
    tags.date = "2026.12.08";
    tags.round = 3;
    tags.white = "Selvako, level 1";
    tags.black = "Say \"hi\"";
    tags.result = Outcome::black_won;
    EXPECT_EQ(pdn_game(tags, r.game.historique.data(), r.game.num_demi_coup),
              "[Event \"Selvako selfplay\"]\n"
              "[Site \"?\"]\n"
              "[Date \"2026.12.08\"]\n"
              "[Round \"3\"]\n"
              "[White \"Selvako, level 1\"]\n"
              "[Black \"Say \\\"hi\\\"\"]\n"
              "[Result \"0-2\"]\n"
              "[GameType \"26,W,8,8,N1,0\"]\n"
              "1. 22-18 11-15 2. 18x11 8x15 3. 25-22 0-2\n\n");
}

TEST(PdnFile, ResultsAreWrittenAsDraughtsRecordsDo) {
    EXPECT_EQ(pdn_result(Outcome::white_won), "2-0");
    EXPECT_EQ(pdn_result(Outcome::black_won), "0-2");
    EXPECT_EQ(pdn_result(Outcome::draw), "1-1");
    EXPECT_EQ(pdn_result(Outcome::none), "*");
}

TEST(PdnFile, CaptureListsLandingsOnlyWhenItsEndsAreShared) {
    // e3 takes the four men round it either way and comes back to e3: "23x23"
    // alone would fit two moves. Either way ends in the same position, which
    // is all the record keeps; the path written must lead there.
    for (const char* played : {"e3xg5xe7xc5xe3", "e3xc5xe7xg5xe3"}) {
        Record r("W:W23:B18,10,19,11");
        r.play(played);
        const std::string written = pdn_move(r.game.historique.data(), 1);
        EXPECT_EQ(written.size(), std::string("23x16x7x14x23").size()) << written;
        Record replay("W:W23:B18,10,19,11");
        replay.play(written);
        EXPECT_EQ(replay.game.damier_affiche, r.game.damier_affiche) << written;
    }

    // Parting paths with different ends: the ends are enough.
    Record parting("W:W30:B26,19,11,18,9");
    parting.play("c1xa7");
    EXPECT_EQ(pdn_move(parting.game.historique.data(), 1), "30x5");
}

TEST(PdnFile, LongGamesWrapTheirMoveLines) {
    // Thirty plies, each side playing its first legal move.
    Record r;
    for (int ply = 0; ply < 30; ++ply) {
        r.engine.set_position(r.game.damier_affiche);
        ASSERT_GT(generate_root_moves(r.engine, r.game.trait), 0);
        ASSERT_TRUE(jouer_coup(r.game, r.engine, r.clocks, r.engine.list(1)[0]));
    }
    const std::string text = pdn_game(PdnTags{}, r.game.historique.data(), r.game.num_demi_coup);
    const std::size_t moves = text.find("\n1. ");
    ASSERT_NE(moves, std::string::npos) << text;
    int lines = 0;
    for (std::size_t start = moves + 1; start < text.size() && text[start] != '\n';) {
        const std::size_t end = text.find('\n', start);
        EXPECT_LE(end - start, 79u) << text.substr(start, end - start);
        EXPECT_NE(text[end - 1], ' ');
        ++lines;
        start = end + 1;
    }
    EXPECT_GE(lines, 3) << text;
    EXPECT_NE(text.find(" 15. "), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - 4), " *\n\n") << text;
}

} // namespace
} // namespace selvako
