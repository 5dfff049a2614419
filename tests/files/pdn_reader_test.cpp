#include <gtest/gtest.h>

#include <string>

#include "files/pdn_file.h"

namespace selvako {
namespace {

// Written as lidraughts writes its Brazilian games.
constexpr const char* LIDRAUGHTS = R"([Event "Rated Brazilian game"]
[Site "https://lidraughts.org/abcdEFGH"]
[Date "2024.03.05"]
[White "anna_k"]
[Black "Bobby"]
[Result "2-0"]
[GameType "26"]
[Variant "Brazilian"]
[TimeControl "180+2"]

1. c3-d4 { [%clock w0:03:00 B0:03:00] } f6-e5 { [%clock w0:03:02 B0:03:01] } 2. d4xf6 g7xe5 2-0

[Event "Casual"]
[Site "https://lidraughts.org/ijklMNOP"]
[White "Bobby"]
[Black "anna_k"]
[Result "0-2"]
[GameType "26"]

1. c3-d4 {opening} (1. a3-b4 f6-g5 (1... b6-a5) ) 1... f6-e5 $1 2. d4xf6! 0-2
)";

TEST(PdnReader, ReadsLidraughtsGamesWithTagsClocksAndResults) {
    const GameTextFile file = read_pdn_games(LIDRAUGHTS);
    ASSERT_TRUE(file.error.empty()) << file.error;
    ASSERT_EQ(file.games.size(), 2u);
    const GameText& first = file.games[0];
    EXPECT_EQ(first.white, "anna_k");
    EXPECT_EQ(first.black, "Bobby");
    EXPECT_EQ(first.result, Outcome::white_won);
    EXPECT_FALSE(first.start);
    ASSERT_EQ(first.moves.size(), 4u);
    EXPECT_EQ(first.moves[0].squares, (std::vector<Square>{22, 18}));
    EXPECT_EQ(first.moves[0].comment, "[%clock w0:03:00 B0:03:00]");
    EXPECT_TRUE(first.moves[2].capture);
    bool site = false;
    for (const auto& [name, value] : first.tags)
        site = site || (name == "Site" && value == "https://lidraughts.org/abcdEFGH");
    EXPECT_TRUE(site);

    const GameText& second = file.games[1];
    EXPECT_EQ(second.result, Outcome::black_won);
    ASSERT_EQ(second.moves.size(), 3u) << "variations, annotations and marks passed over";
    EXPECT_EQ(second.moves[0].comment, "opening");
    EXPECT_EQ(second.moves[1].squares, (std::vector<Square>{11, 15})) << "f6-e5";
}

TEST(PdnReader, ReadsNumericSquaresCountedFromWhitesSide) {
    const GameTextFile file = read_pdn_games("[White \"A\"]\n[Black \"B\"]\n"
                                             "1. 10-14 23-19 2. 14x23 27x18 1-0\n"
                                             "[FEN \"B:W1-12:B21-32\"]\n1... 23-19 *\n");
    ASSERT_TRUE(file.error.empty()) << file.error;
    ASSERT_EQ(file.games.size(), 2u);
    EXPECT_EQ(file.games[0].result, Outcome::white_won) << "the 1-0 convention";
    ASSERT_EQ(file.games[0].moves.size(), 4u);
    EXPECT_EQ(file.games[0].moves[0].squares, (std::vector<Square>{22, 18})) << "10-14 = c3-d4";
    EXPECT_EQ(file.games[0].moves[3].squares, (std::vector<Square>{7, 14})) << "27x18 = e7xc5";
    ASSERT_TRUE(file.games[1].start);
    EXPECT_EQ(file.games[1].start->side_to_move, BLACK);
    EXPECT_EQ(file.games[1].start->board, start_position());
}

TEST(PdnReader, RefusesWhatItCannotTrust) {
    EXPECT_FALSE(read_pdn_games("").error.empty());
    EXPECT_FALSE(read_pdn_games("[FEN \"W:Wz9:B1\"]\n1. c3-d4 *\n").error.empty());
    // A set-up position with a man that would have been crowned.
    const GameTextFile uncrowned = read_pdn_games("[FEN \"B:Wc3,f8:Bh6\"]\n1. h6-g5 *\n");
    EXPECT_TRUE(uncrowned.games.empty());
    EXPECT_EQ(uncrowned.error, "game 1: bad FEN: man on its promotion row at f8");
    // International draughts on 10x10 is another game: passed over.
    const GameTextFile other = read_pdn_games("[GameType \"20\"]\n1. 32-28 19-23 *\n");
    EXPECT_TRUE(other.games.empty());
    EXPECT_NE(other.error.find("GameType 26"), std::string::npos) << other.error;
    const GameTextFile mixed =
        read_pdn_games("[GameType \"20\"]\n1. 32-28 *\n[GameType \"26,W,8,8,A0,0\"]\n1. c3-d4 *\n");
    ASSERT_EQ(mixed.games.size(), 1u);
    EXPECT_EQ(mixed.games[0].moves.size(), 1u);
    // Unclosed comments, variations and tags end at the text's end.
    for (const char* cut : {"1. c3-d4 {never closed", "1. c3-d4 (f6-e5 (", "[White \"A", "[", "{",
                            "(", "1.", "\"", "]]]"})
        EXPECT_NO_THROW(read_pdn_games(cut)) << cut;
    EXPECT_EQ(read_pdn_games("1. c3-d4 {never closed").games.at(0).moves.size(), 1u);
}

} // namespace
} // namespace selvako
