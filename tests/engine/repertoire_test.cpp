#include <fstream>

#include <gtest/gtest.h>

#include "engine/repertoire.h"
#include "temp_folder.h"

namespace selvako {
namespace {

std::vector<std::pair<int, int>> lookup(const RepertoireLines& lines,
                                        std::vector<PlayedMove> history) {
    const Candidates c = repertoire_lookup(lines, history);
    std::vector<std::pair<int, int>> out;
    for (int i = 0; i < c.count; ++i) out.emplace_back(c.moves[i].from, c.moves[i].to);
    return out;
}

using Pairs = std::vector<std::pair<int, int>>;

const RepertoireLines PROGRAM_LINES = {"22-18  9-14 ", "22-18 10-14 "};

TEST(RepertoireLookup, FirstMoveRepeatedByTwoLinesIsOneCandidate) {
    EXPECT_EQ(lookup(PROGRAM_LINES, {}), (Pairs{{22, 18}}));
}

TEST(RepertoireLookup, LinesAgreeingWithTheGameProposeTheirNextMove) {
    EXPECT_EQ(lookup(PROGRAM_LINES, {{22, 18}}), (Pairs{{9, 14}, {10, 14}}));
    EXPECT_EQ(lookup({"22-17  9-13 "}, {{22, 18}}), Pairs{});
    // A line no longer than the game proposes nothing.
    EXPECT_EQ(lookup(PROGRAM_LINES, {{22, 18}, {9, 14}}), Pairs{});
}

TEST(RepertoireLookup, HandTypedLinesReadLikeProgramWrittenOnes) {
    const RepertoireLines typed = {"22x18 9-13 24-19", "22-18 9x14", "22-18 9-13 23-19"};
    EXPECT_EQ(lookup(typed, {{22, 18}}), (Pairs{{9, 13}, {9, 14}, {9, 13}}));
    EXPECT_EQ(lookup(typed, {{22, 18}, {9, 13}}), (Pairs{{24, 19}, {23, 19}}));
    // A one-digit destination at the end of a line.
    EXPECT_EQ(lookup({"22-18 14-9"}, {{22, 18}}), (Pairs{{14, 9}}));
}

TEST(RepertoireLookup, NoMoreThanTwentyCandidatesAndOnlyRealSquares) {
    RepertoireLines many;
    for (int i = 0; i < 25; ++i)
        many.push_back(std::to_string(21 + i % 12) + "-" + std::to_string(13 + i % 8));
    EXPECT_EQ(lookup(many, {}).size(), 20u);
    EXPECT_EQ(lookup({"33-18", "22-00", "ab-cd", "", "2"}, {}), Pairs{});
}

TEST(RepertoireLookup, OverlongLinesAreCut) {
    std::string line;
    for (int i = 0; i < 60; ++i) line += "22-18 18-22 ";
    std::vector<PlayedMove> history;
    for (int i = 0; i < 84; ++i)
        history.push_back(i % 2 == 0 ? PlayedMove{22, 18} : PlayedMove{18, 22});
    // Ply 85 lies wholly within the first 511 characters...
    EXPECT_EQ(lookup({line}, history), (Pairs{{22, 18}}));
    // ... ply 86 starts at character 510 and is cut.
    history.push_back({22, 18});
    EXPECT_EQ(lookup({line}, history), Pairs{});
}

TEST(RepertoireFile, ReadsCrLfLinesSortedWithoutRegardToCase) {
    testing::TempFolder folder;
    const std::string path = folder.file("Ouvert_b.ouv");
    std::ofstream(path, std::ios::binary) << "23-19 \r\n22-18  9-14 \r\nB line\r\na line\r\n";
    const auto lines = read_repertoire(path);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (RepertoireLines{"22-18  9-14 ", "23-19 ", "a line", "B line"}));
    EXPECT_FALSE(read_repertoire(folder.file("absent.ouv")));
}

} // namespace
} // namespace selvako
