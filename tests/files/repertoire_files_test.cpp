#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "files/repertoire_files.h"
#include "tests/engine/temp_folder.h"

namespace selvako {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const Repertoires LISTS = {{"22-18  9-14 ", "23-19 "}, {"22-18 10-14 "}};

TEST(RepertoireFiles, LinesEndInCarriageReturnLineFeed) {
    testing::TempFolder folder;
    ASSERT_TRUE(write_repertoire(folder.file("a.ouv"), {"22-18  9-14 ", "23-19 "}));
    EXPECT_EQ(contents(folder.file("a.ouv")), "22-18  9-14 \r\n23-19 \r\n");
    EXPECT_EQ(read_repertoire(folder.file("a.ouv")), (RepertoireLines{"22-18  9-14 ", "23-19 "}));
}

TEST(RepertoireFiles, OnlyTheMarkersSuffixBecomesTheColoursSuffix) {
    // The "b" of a name is no colour: "bob" keeps both of its.
    EXPECT_EQ(library_file("/p/bob.ovv", WHITE), fs::path("/p/bob_b.ouv"));
    EXPECT_EQ(library_file("/p/bob.ovv", BLACK), fs::path("/p/bob_n.ouv"));
    EXPECT_EQ(library_file("/p/b_b.ovv", BLACK), fs::path("/p/b_b_n.ouv"));
    EXPECT_EQ(library_file("/p/ob.OVV", BLACK), fs::path("/p/ob_n.ouv"));
    EXPECT_EQ(library_marker("/p/club"), fs::path("/p/club.ovv"));
    EXPECT_EQ(library_marker("/p/club.ovv"), fs::path("/p/club.ovv"));
    EXPECT_EQ(library_file("/p/club", WHITE), fs::path("/p/club_b.ouv"));
}

TEST(RepertoireFiles, ALibrarySavedAndChosenAgainGivesTheSameLists) {
    testing::TempFolder folder;
    const fs::path libraries = folder.path() / "Parametres";
    fs::create_directories(libraries);
    ASSERT_TRUE(save_library(libraries / "bob", BLACK, LISTS, {"analysis"}, folder.path()));
    EXPECT_EQ(contents(libraries / "bob.ovv"), "analysis\r\n");
    EXPECT_EQ(contents(libraries / "bob_b.ouv"), "22-18  9-14 \r\n23-19 \r\n");
    EXPECT_EQ(contents(libraries / "bob_n.ouv"), "22-18 10-14 \r\n");
    // The edited colour becomes the active file.
    EXPECT_EQ(contents(folder.path() / BLACK_REPERTOIRE_FILE), "22-18 10-14 \r\n");

    ASSERT_TRUE(write_repertoire(folder.path() / WHITE_REPERTOIRE_FILE, {"other "}));
    const auto chosen = change_library(libraries / "bob.ovv", folder.path());
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->white, LISTS.white);
    EXPECT_EQ(chosen->black, LISTS.black);
    EXPECT_EQ(read_repertoire((folder.path() / WHITE_REPERTOIRE_FILE).string()), LISTS.white);
}

TEST(RepertoireFiles, ALibraryLackingAColourIsRefusedAndNothingChanges) {
    testing::TempFolder folder;
    ASSERT_TRUE(write_repertoire(folder.path() / WHITE_REPERTOIRE_FILE, {"active white "}));
    ASSERT_TRUE(write_repertoire(folder.path() / BLACK_REPERTOIRE_FILE, {"active black "}));
    ASSERT_TRUE(write_repertoire(folder.file("half_b.ouv"), {"22-18 "}));
    EXPECT_FALSE(change_library(folder.file("half.ovv"), folder.path()).has_value());
    EXPECT_EQ(contents(folder.path() / WHITE_REPERTOIRE_FILE), "active white \r\n");
    EXPECT_EQ(contents(folder.path() / BLACK_REPERTOIRE_FILE), "active black \r\n");
}

TEST(RepertoireFiles, ActiveFilesAreFoundUnderEitherSpelling) {
    testing::TempFolder folder;
    ASSERT_TRUE(write_repertoire(folder.file("ouvert_b.ouv"), {"lower "}));
    EXPECT_EQ(active_repertoire_file(folder.path(), WHITE), folder.path() / "ouvert_b.ouv");
    // A missing one is given its usual spelling.
    EXPECT_EQ(active_repertoire_file(folder.path(), BLACK), folder.path() / "Ouvert_n.ouv");
}

TEST(RepertoireFiles, ALibraryThatCannotBeWrittenLeavesEveryFileAsItWas) {
    testing::TempFolder folder;
    ASSERT_TRUE(write_repertoire(folder.path() / BLACK_REPERTOIRE_FILE, {"before "}));
    // A folder where the black file would go: that one write fails.
    fs::create_directories(folder.path() / "lib_n.ouv");
    EXPECT_FALSE(save_library(folder.path() / "lib.ovv", BLACK, LISTS, {}, folder.path()));
    EXPECT_FALSE(fs::exists(folder.path() / "lib.ovv"));
    EXPECT_FALSE(fs::exists(folder.path() / "lib_b.ouv"));
    EXPECT_EQ(contents(folder.path() / BLACK_REPERTOIRE_FILE), "before \r\n");
}

} // namespace
} // namespace selvako
