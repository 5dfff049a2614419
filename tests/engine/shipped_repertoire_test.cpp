// The repertoires the build ships: written from tools/data/openings.txt,
// every line a legal game from the start, enough of them, and every first
// move of White with Black's main replies covered.

#include <algorithm>
#include <fstream>
#include <map>
#include <set>

#include <gtest/gtest.h>

#include "engine/file_names.h"
#include "engine/repertoire_line.h"
#include "tools/repertoire/opening_source.h"

namespace selvako {
namespace {

Repertoires shipped() {
    Repertoires lists;
    const std::filesystem::path data = SELVAKO_TEST_DATA_DIR;
    for (auto [lines, name] :
         {std::pair{&lists.white, "ouvert_b.ouv"}, std::pair{&lists.black, "ouvert_n.ouv"}}) {
        auto read = read_repertoire(file_ignoring_case(data, name).string());
        EXPECT_TRUE(read.has_value()) << name;
        if (read) *lines = std::move(*read);
    }
    return lists;
}

TEST(ShippedRepertoire, EveryLineIsALegalGameFromTheStart) {
    const Repertoires lists = shipped();
    for (const RepertoireLines* lines : {&lists.white, &lists.black}) {
        EXPECT_GE(lines->size(), 60u);
        int usual_length = 0;
        for (const std::string& line : *lines) {
            const auto moves = repertoire_line_moves(line);
            const LineReplay replay = replay_line(moves);
            EXPECT_TRUE(replay.legal) << algebraic_line(moves);
            // Written whole in the program's form: nothing is left unread.
            EXPECT_EQ(repertoire_line_text(moves), line);
            if (moves.size() >= 6 && moves.size() <= 12) ++usual_length;
        }
        EXPECT_GE(usual_length * 4, static_cast<int>(lines->size()) * 3);
    }
}

TEST(ShippedRepertoire, CoversEveryFirstMoveAndTheMainReplies) {
    const Repertoires lists = shipped();
    std::set<std::pair<int, int>> first_moves;
    for (const std::string& line : lists.white) {
        const auto moves = repertoire_line_moves(line);
        first_moves.insert({moves.at(0).from, moves.at(0).to});
    }
    // All seven first moves of the start position.
    EXPECT_EQ(first_moves.size(), 7u);
    std::map<std::pair<int, int>, std::set<std::pair<int, int>>> replies;
    for (const std::string& line : lists.black) {
        const auto moves = repertoire_line_moves(line);
        ASSERT_GE(moves.size(), 2u);
        replies[{moves[0].from, moves[0].to}].insert({moves[1].from, moves[1].to});
    }
    EXPECT_EQ(replies.size(), 7u);
    for (const auto& [first, answers] : replies)
        EXPECT_GE(answers.size(), 3u)
            << "after "
            << algebraic_line(std::vector<PlayedMove>{
                   {static_cast<Square>(first.first), static_cast<Square>(first.second)}});
}

TEST(ShippedRepertoire, TheFilesHoldTheSourceLines) {
    const OpeningSource source = read_opening_source(SELVAKO_OPENINGS_SOURCE);
    ASSERT_EQ(source.error, "");
    Repertoires expected;
    for (const SourceLine& line : source.lines) {
        EXPECT_FALSE(line.name.empty()) << "line " << line.number << " names no opening";
        if (line.white) expected.white.push_back(repertoire_line_text(line.moves));
        if (line.black) expected.black.push_back(repertoire_line_text(line.moves));
    }
    sort_repertoire(expected.white);
    sort_repertoire(expected.black);
    const Repertoires lists = shipped();
    EXPECT_EQ(lists.white, expected.white);
    EXPECT_EQ(lists.black, expected.black);
}

TEST(OpeningSource, RefusesALineThatIsNotAGame) {
    const auto path = std::filesystem::temp_directory_path() / "selvako_bad_openings.txt";
    {
        std::ofstream out(path);
        out << "# a comment\nWB c3-d4 b6-c5 g3-f4  # no capture where one is compulsory\n";
    }
    const OpeningSource source = read_opening_source(path.string());
    EXPECT_NE(source.error.find(":2: move 3 is not legal"), std::string::npos) << source.error;
    {
        std::ofstream out(path);
        out << "X c3-d4\n";
    }
    EXPECT_NE(read_opening_source(path.string()).error, "");
    std::filesystem::remove(path);
}

} // namespace
} // namespace selvako
