// The players' two files read and written as one list: missing and
// disagreeing files, ratings that are not numbers, and writes that change
// both files or neither.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "files/player_files.h"
#include "tests/engine/temp_folder.h"

using namespace selvako;

namespace {

class PlayerFilesTest : public ::testing::Test {
  protected:
    PlayerFiles files() const { return {dir.path() / "joueurs.dat", dir.path() / "points.dat"}; }
    void put(const std::filesystem::path& path, const std::string& text) const {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string text_of(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    selvako::testing::TempFolder dir;
};

TEST_F(PlayerFilesTest, MissingPairIsTheComputerAloneAndWritesBack) {
    const PlayerFilesRead read = read_players(files());
    ASSERT_TRUE(read.list);
    EXPECT_TRUE(read.notes.created);
    EXPECT_FALSE(read.notes.any());
    ASSERT_EQ(read.list->players.size(), 1u);
    EXPECT_EQ(read.list->players[0], (Player{"Selvako", 2050}));

    ASSERT_TRUE(write_players(files(), *read.list));
    EXPECT_EQ(text_of(files().joueurs), "Selvako\n");
    EXPECT_EQ(text_of(files().points), "2050\n");
}

TEST_F(PlayerFilesTest, WrittenListReadsBackLineForLine) {
    PlayerList list;
    list.players = {{"Selvako", 2050}, {"Anne", 1700}, {"Bob", 950}, {"Cléo", -12}};
    ASSERT_TRUE(write_players(files(), list));
    // Ratings keep the width of four that new players are written with.
    EXPECT_EQ(text_of(files().points), "2050\n1700\n 950\n -12\n");
    const PlayerFilesRead read = read_players(files());
    ASSERT_TRUE(read.list);
    EXPECT_FALSE(read.notes.any());
    EXPECT_EQ(read.list->players, list.players);
    EXPECT_EQ(read.list->find("Bob"), 2);
    EXPECT_FALSE(read.list->find("bob"));
}

TEST_F(PlayerFilesTest, DisagreeingFilesAreMadeGoodAndMendedByTheNextWrite) {
    // Two names without a rating line, written by Windows.
    put(files().joueurs, "Selvako\r\nAnne\r\nBob\r\nCarl\r\n");
    put(files().points, "2100\r\n1750\r\n");
    PlayerFilesRead read = read_players(files());
    ASSERT_TRUE(read.list);
    EXPECT_TRUE(read.notes.counts_differ);
    EXPECT_EQ(read.list->players[1], (Player{"Anne", 1750}));
    EXPECT_EQ(read.list->players[2].points, 1500);
    EXPECT_EQ(read.list->players[3].points, 1500);
    ASSERT_TRUE(write_players(files(), *read.list));
    EXPECT_EQ(text_of(files().points), "2100\n1750\n1500\n1500\n");
    EXPECT_FALSE(read_players(files()).notes.any());

    // Ratings without a name have nobody to belong to.
    put(files().points, "2100\n1750\n1500\n1500\n1600\n1700\n");
    read = read_players(files());
    ASSERT_TRUE(read.list);
    EXPECT_TRUE(read.notes.counts_differ);
    EXPECT_EQ(read.list->players.size(), 4u);

    // Only the names: the computer keeps its starting rating.
    std::filesystem::remove(files().points);
    read = read_players(files());
    ASSERT_TRUE(read.list);
    EXPECT_TRUE(read.notes.counts_differ);
    EXPECT_FALSE(read.notes.created);
    EXPECT_EQ(read.list->players[0].points, 2050);
    EXPECT_EQ(read.list->players[1].points, 1500);
}

TEST_F(PlayerFilesTest, LinesThatAreNotNumbersOrTooLongAreNoted) {
    put(files().joueurs, "Selvako\nAnne\nBob\nUn nom bien trop long pour un relevé\n");
    put(files().points, "2050\n17x0\n\n 1600 \n");
    const PlayerFilesRead read = read_players(files());
    ASSERT_TRUE(read.list);
    EXPECT_EQ(read.notes.bad_ratings, (std::vector<int>{1, 2}));
    EXPECT_EQ(read.notes.long_names, (std::vector<int>{3}));
    EXPECT_EQ(read.list->players[1].points, 1500);
    EXPECT_EQ(read.list->players[2].points, 1500);
    EXPECT_EQ(read.list->players[3].points, 1600);
    EXPECT_EQ(read.list->players[3].nom.size(), MAX_NAME_LENGTH);
}

// Names read from a file are the names the next write gives back, so that
// the list does not change from one save to the next.
TEST_F(PlayerFilesTest, NamesWriteBackAsTheyWereRead) {
    put(files().joueurs, "Selvako\r\nAnne\r\r\nabcdefghijklmnopqr\rstu\n\nx\ry\n");
    put(files().points, "2050\n1500\n1500\n1500\n1500\n");
    const PlayerFilesRead read = read_players(files());
    ASSERT_TRUE(read.list);
    ASSERT_EQ(read.list->players.size(), 5u);
    EXPECT_EQ(read.list->players[1].nom, "Anne");
    EXPECT_EQ(read.list->players[2].nom, "abcdefghijklmnopqr"); // cut before the return
    EXPECT_EQ(read.list->players[4].nom, "x\ry");
    ASSERT_TRUE(write_players(files(), *read.list));
    const PlayerFilesRead again = read_players(files());
    ASSERT_TRUE(again.list);
    EXPECT_EQ(again.list->players, read.list->players);
}

TEST_F(PlayerFilesTest, UntrustworthyFilesAreRefused) {
    std::filesystem::create_directory(files().joueurs);
    EXPECT_FALSE(read_players(files()).list);
    std::filesystem::remove(files().joueurs);

    put(files().joueurs, "Selvako\n");
    put(files().points, std::string(2 << 20, '1'));
    EXPECT_FALSE(read_players(files()).list);
}

TEST_F(PlayerFilesTest, AWriteThatFailsForOneFileChangesNeither) {
    put(files().joueurs, "Selvako\nAnne\n");
    std::filesystem::create_directory(files().points);
    PlayerList list;
    list.players = {{"Selvako", 2050}, {"Anne", 1700}, {"Bob", 1600}};
    EXPECT_FALSE(write_players(files(), list));
    EXPECT_EQ(text_of(files().joueurs), "Selvako\nAnne\n");
    // Nor is a temporary file left beside them.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 2);
}

TEST(PlayerName, FitsTheGameRecordsField) {
    EXPECT_TRUE(valid_player_name("Anne"));
    EXPECT_TRUE(valid_player_name(std::string(19, 'x')));
    EXPECT_FALSE(valid_player_name(std::string(20, 'x')));
    EXPECT_FALSE(valid_player_name(""));
    EXPECT_FALSE(valid_player_name("An\nne"));
}

} // namespace
