#include <gtest/gtest.h>

#include <string>

#include "files/pdn_file.h"
#include "tests/files/record_fixture.h"

namespace selvako {
namespace {

using testing::Record;

TEST(PdnFile, GameHasTheTagsNumberedMovesAndResult) {
    Record r;
    for (const char* move : {"c3-d4", "f6-e5", "d4xf6", "g7xe5", "b2-c3"}) r.play(move);
    PdnTags tags;
    tags.event = "Selvako selfplay";
    tags.date = "2026.12.08";
    tags.round = "3";
    tags.white = "Selvako, level 1";
    tags.black = "Say \"hi\"";
    tags.result = Outcome::black_won;
    EXPECT_EQ(pdn_game(tags, r.played()), "[Event \"Selvako selfplay\"]\n"
                                          "[Site \"?\"]\n"
                                          "[Date \"2026.12.08\"]\n"
                                          "[Round \"3\"]\n"
                                          "[White \"Selvako, level 1\"]\n"
                                          "[Black \"Say \\\"hi\\\"\"]\n"
                                          "[Result \"0-2\"]\n"
                                          "[GameType \"26\"]\n"
                                          "1. c3-d4 f6-e5 2. d4xf6 g7xe5 3. b2-c3 0-2\n\n");
}

TEST(PdnFile, ResultsAreWrittenAsDraughtsRecordsDoAndReadInBothConventions) {
    EXPECT_EQ(pdn_result(Outcome::white_won), "2-0");
    EXPECT_EQ(pdn_result(Outcome::black_won), "0-2");
    EXPECT_EQ(pdn_result(Outcome::draw), "1-1");
    EXPECT_EQ(pdn_result(Outcome::none), "*");
    EXPECT_EQ(outcome_of_result("1-0"), Outcome::white_won);
    EXPECT_EQ(outcome_of_result("0-1"), Outcome::black_won);
    EXPECT_EQ(outcome_of_result("1/2-1/2"), Outcome::draw);
    EXPECT_EQ(outcome_of_result("1-2"), Outcome::none);
}

TEST(PdnFile, CaptureListsLandingsOnlyWhenItsEndsAreShared) {
    // e3 takes the four men round it either way and comes back to e3: "e3xe3"
    // alone would fit two moves. Either way ends in the same position, which
    // is all the record keeps; the path written must lead there.
    for (const char* played : {"e3xg5xe7xc5xe3", "e3xc5xe7xg5xe3"}) {
        Record r("W:We3:Bd4,d6,f4,f6");
        r.play(played);
        const std::string written = pdn_move(r.played(), 1);
        EXPECT_EQ(written.size(), std::string("e3xg5xe7xc5xe3").size()) << written;
        Record replay("W:We3:Bd4,d6,f4,f6");
        replay.play(written);
        EXPECT_EQ(replay.game.damier_affiche, r.game.damier_affiche) << written;
    }

    // Parting paths with different ends: the ends are enough.
    Record parting("W:Wc1:Bd2,f4,f6,d4,b6");
    parting.play("c1xa7");
    EXPECT_EQ(pdn_move(parting.played(), 1), "c1xa7");
}

TEST(PdnFile, SetUpStartIsWrittenAsFenAndBlackMayBegin) {
    Record r("B:Wc3,Kg1:Bd4,e7");
    r.play("d4xb2");
    r.play("g1-h2");
    const std::string text = pdn_game(PdnTags{}, r.played());
    EXPECT_NE(text.find("[FEN \"B:Wc3,Kg1:Be7,d4\"]\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n1... d4xb2 2. g1-h2 *\n"), std::string::npos) << text;

    Record opening;
    opening.play("c3-d4");
    EXPECT_EQ(pdn_game(PdnTags{}, opening.played()).find("[FEN"), std::string::npos);
}

TEST(PdnFile, LongGamesWrapTheirMoveLines) {
    Record r;
    r.play_first_moves(30);
    const std::string text = pdn_game(PdnTags{}, r.played());
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
    EXPECT_EQ(text.substr(text.size() - 3), "*\n\n") << text;
}

} // namespace
} // namespace selvako
