#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "files/text_game_file.h"
#include "tests/files/record_fixture.h"

namespace selvako {
namespace {

using testing::Record;

std::string moves_of(const std::string& text) {
    return text.substr(text.find("Selvako144\n") + 11);
}

TEST(TextGameFile, HeaderCarriesNamesAndResult) {
    Record r;
    EXPECT_EQ(text_game("Ann", "Bob", Outcome::none, r.played()), "Ann-Bob \nSelvako144\n");
    EXPECT_EQ(text_game("Ann", "Bob", Outcome::white_won, r.played()).substr(0, 12),
              "Ann-Bob  2-0");
    EXPECT_EQ(text_game("Ann", "Bob", Outcome::draw, r.played()).substr(0, 12), "Ann-Bob  1-1");
    EXPECT_EQ(text_game("Ann", "Bob", Outcome::black_won, r.played()).substr(0, 12),
              "Ann-Bob  0-2");
}

TEST(TextGameFile, EveryPlyIsWrittenFourMoveNumbersToALine) {
    Record three;
    for (const char* move : {"c3-d4", "f6-e5", "d4xf6"}) three.play(move);
    // The last White move is not lost, and the game is written to its length
    // even when an earlier ply is on show.
    reprise(three.game, three.clocks);
    reprise(three.game, three.clocks);
    EXPECT_EQ(moves_of(text_game("A", "B", Outcome::none, three.played())),
              " 1.c3-d4 f6-e5   2.d4xf6   \n");

    Record nine;
    nine.play_first_moves(18);
    const std::string moves = moves_of(text_game("A", "B", Outcome::none, nine.played()));
    ASSERT_EQ(std::count(moves.begin(), moves.end(), '\n'), 3) << moves;
    const std::string last = moves.substr(moves.rfind('\n', moves.size() - 2) + 1);
    EXPECT_EQ(last.substr(0, 3), " 9.") << "4 + 4 + 1 move numbers";
    EXPECT_EQ(moves.find("\n 5."), moves.find('\n')) << "the second line begins with 5";
}

TEST(TextGameFile, ReaderIndexesGamesAndReadsTheirNamesAndMoves) {
    const GameTextFile file =
        read_text_games("Ann-Bob  2-0\r\nSelvako144\r\n 1.c3-d4 f6-e5   2.d4xf6 g7xe5  \r\n\r\n"
                        "A name far longer than nineteen-Zed\n 9.C3XE5XG7 h8-g7  10.a1-b2\n");
    ASSERT_TRUE(file.error.empty()) << file.error;
    ASSERT_EQ(file.games.size(), 2u);
    const GameText& first = file.games[0];
    EXPECT_EQ(first.white, "Ann");
    EXPECT_EQ(first.black, "Bob") << "the result is not part of the name";
    EXPECT_EQ(first.result, Outcome::white_won);
    ASSERT_EQ(first.moves.size(), 4u);
    EXPECT_EQ(first.moves[2].squares, (std::vector<Square>{18, 11}));
    EXPECT_TRUE(first.moves[2].capture);
    EXPECT_EQ(chooser_line(0, first), " 1:Ann - Bob");

    const GameText& second = file.games[1];
    EXPECT_EQ(second.white, "A name far longer t") << "cut to the 19 characters a name holds";
    EXPECT_EQ(second.black, "Zed");
    ASSERT_EQ(second.moves.size(), 3u) << "one- and two-digit numbers alike";
    EXPECT_EQ(second.moves[0].squares, (std::vector<Square>{22, 15, 8})) << "c3xe5xg7";
    EXPECT_EQ(chooser_line(9, second).substr(0, 3), "10:");
}

TEST(TextGameFile, ReaderNeverTrustsWhatItCannotRead) {
    EXPECT_FALSE(read_text_games("").error.empty());
    EXPECT_FALSE(read_text_games("\n\n  \n").error.empty());
    EXPECT_FALSE(read_text_games(std::string("A-B\n1.c3\0-d4\n", 12)).error.empty());
    // Unreadable words are passed over; the game keeps what it can read.
    const GameTextFile odd = read_text_games("A-B\n 1.z9-d4 c3-d4 xx 2-0 -- 7.\n");
    ASSERT_EQ(odd.games.size(), 1u);
    EXPECT_EQ(odd.games[0].moves.size(), 1u);
    EXPECT_EQ(odd.games[0].result, Outcome::white_won);
    // Read whole: a game past the 64,000 bytes older readers stopped at is kept.
    std::string big = "A-B\n 1.c3-d4 f6-e5\n";
    big.resize(64000 - 1, ' ');
    big += "\n\nC-D\n 1.c3-d4\n";
    EXPECT_EQ(read_text_games(big).games.size(), 2u);
}

// A set-up start is written as a FEN line and read back, so the game
// replays from where it began; a game from the opening has no such line.
TEST(TextGameFile, SetUpStartIsWrittenAsAFenLineAndReadBack) {
    Record setup("B:W21,22,K30:B5,K10,12");
    setup.play_first_moves(3);
    const std::string text = text_game("A", "B", Outcome::none, setup.played());
    EXPECT_NE(text.find("\nB:W"), std::string::npos) << text;
    const GameTextFile file = read_text_games(text);
    ASSERT_EQ(file.games.size(), 1u) << file.error;
    ASSERT_TRUE(file.games[0].start);
    EXPECT_EQ(file.games[0].start->side_to_move, BLACK);
    Record back;
    const ReplayReport report = rejouer_partie(back.game, back.clocks, back.engine, file.games[0]);
    EXPECT_EQ(report.skipped, 0);
    testing::expect_same_game(back.game, setup.game);

    Record opening;
    opening.play_first_moves(3);
    const std::string plain = text_game("A", "B", Outcome::none, opening.played());
    EXPECT_EQ(plain.rfind("A-B \nSelvako144\n 1.", 0), 0u) << plain;
    EXPECT_EQ(std::count(plain.begin(), plain.end(), '\n'), 3) << plain;
}

TEST(TextGameFile, AFenLineThatIsNoPositionRefusesTheFile) {
    EXPECT_FALSE(read_text_games("A-B\nSelvako144\nW:Wz9:B1\n 1.c3-d4\n").error.empty());
}

// The program's own export of many games is read whole, far past the
// 64,000 bytes an older reader stopped at.
TEST(TextGameFile, TwoHundredFourGamesReadWhole) {
    Record game;
    game.play_first_moves(38);
    std::string text;
    for (int k = 0; k < 204; ++k) {
        if (k > 0) text += '\n';
        text += text_game("White" + std::to_string(k), "Black", Outcome::draw, game.played());
    }
    ASSERT_GT(text.size(), 64000u);
    const GameTextFile file = read_text_games(text);
    ASSERT_EQ(file.games.size(), 204u);
    EXPECT_EQ(file.games.back().white, "White203");
    EXPECT_EQ(file.games.back().moves.size(), 38u);
}

TEST(TextGameFile, UnicodeNamesAreCutBetweenCharacters) {
    const std::string name = "Ééééééééééé"; // 22 bytes
    const std::string cut = cut_name(name);
    EXPECT_EQ(cut.size(), 18u);
    EXPECT_EQ(cut, name.substr(0, 18));
}

} // namespace
} // namespace selvako
