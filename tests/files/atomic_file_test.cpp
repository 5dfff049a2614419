#include <chrono>
#include <filesystem>
#include <fstream>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/atomic_file.h"
#include "tests/engine/temp_folder.h"

namespace selvako {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> bytes_of(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Only the named files, no temporary left behind by a write or a refusal.
std::vector<std::string> names_in(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(AtomicFile, WritesAndReplacesKeepingThePermissions) {
    testing::TempFolder folder;
    const fs::path path = folder.path() / "a.bin";
    const std::vector<std::uint8_t> first{1, 2, 3};
    ASSERT_TRUE(write_file_atomically(path, first));
    EXPECT_EQ(bytes_of(path), first);

    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const std::vector<std::uint8_t> second(5000, 0xA5);
    ASSERT_TRUE(write_file_atomically(path, second));
    EXPECT_EQ(bytes_of(path), second);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(write_file_atomically(path, {}));
    EXPECT_EQ(fs::file_size(path), 0u);
    EXPECT_EQ(names_in(folder.path()), std::vector<std::string>{"a.bin"});
}

// A new file is made as the user's other new files are, the umask deciding.
TEST(AtomicFile, NewFileTakesTheModeTheUmaskAllows) {
    testing::TempFolder folder;
    const mode_t before = ::umask(0);
    struct Case {
        mode_t umask;
        fs::perms mode;
    };
    const Case cases[] = {{0, fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec |
                                                  fs::perms::others_exec)},
                          {022, fs::perms::owner_read | fs::perms::owner_write |
                                    fs::perms::group_read | fs::perms::others_read},
                          {077, fs::perms::owner_read | fs::perms::owner_write}};
    int k = 0;
    for (const Case& c : cases) {
        ::umask(c.umask);
        const fs::path path = folder.path() / ("new" + std::to_string(k++) + ".bin");
        const bool written = write_file_atomically(path, std::vector<std::uint8_t>{7});
        ::umask(before);
        ASSERT_TRUE(written);
        EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, c.mode) << std::oct << c.umask;
    }
}

// Another user's file, written by the superuser (a save as root in a shared
// folder), stays that user's, with its mode.
TEST(AtomicFile, ReplacedFileKeepsItsOwnerAndGroup) {
    if (::geteuid() != 0) GTEST_SKIP() << "only the superuser can give a file another owner";
    testing::TempFolder folder;
    const fs::path path = folder.path() / "theirs.bin";
    ASSERT_TRUE(write_file_atomically(path, std::vector<std::uint8_t>{1}));
    ASSERT_EQ(::chown(path.c_str(), 65534, 65533), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(write_file_atomically(path, std::vector<std::uint8_t>{2, 2}));
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_uid, 65534u);
    EXPECT_EQ(after.st_gid, 65533u);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(bytes_of(path), (std::vector<std::uint8_t>{2, 2}));
}

// Replacing the link itself would leave the file it names stale.
TEST(AtomicFile, WritesThroughALinkToTheFileItNames) {
    testing::TempFolder folder;
    const fs::path sub = folder.path() / "sub";
    fs::create_directory(sub);
    const fs::path target = sub / "target.bin";
    const fs::path link = folder.path() / "link.bin";
    ASSERT_TRUE(write_file_atomically(target, std::vector<std::uint8_t>{9, 9}));
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(target, link);
    const std::vector<std::uint8_t> fresh{1, 2};
    ASSERT_TRUE(write_file_atomically(link, fresh));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(bytes_of(target), fresh);
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(names_in(folder.path()), (std::vector<std::string>{"link.bin", "sub"}));
    EXPECT_EQ(names_in(sub), std::vector<std::string>{"target.bin"});

    // A link to nothing names no file to write.
    fs::create_symlink(folder.path() / "nowhere.bin", folder.path() / "dangling.bin");
    EXPECT_FALSE(write_file_atomically(folder.path() / "dangling.bin", fresh));
    EXPECT_FALSE(fs::exists(folder.path() / "nowhere.bin"));
}

TEST(AtomicFile, ReadOnlyTargetIsLeftAsItWas) {
    testing::TempFolder folder;
    const fs::path path = folder.path() / "kept.bin";
    const std::vector<std::uint8_t> old{4, 4};
    ASSERT_TRUE(write_file_atomically(path, old));
    fs::permissions(path, fs::perms::owner_read);
    EXPECT_FALSE(write_file_atomically(path, std::vector<std::uint8_t>{1}));
    EXPECT_EQ(bytes_of(path), old);
    EXPECT_EQ(names_in(folder.path()), std::vector<std::string>{"kept.bin"});
}

TEST(AtomicFile, RefusesWhatIsNotARegularFile) {
    testing::TempFolder folder;
    const fs::path sub = folder.path() / "sub";
    fs::create_directory(sub);
    EXPECT_FALSE(write_file_atomically(sub, std::vector<std::uint8_t>{1}));
    EXPECT_TRUE(fs::is_directory(sub));
    const fs::path fifo = folder.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(write_file_atomically(fifo, std::vector<std::uint8_t>{1}));
    EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
    EXPECT_FALSE(
        write_file_atomically(folder.path() / "missing" / "x.bin", std::vector<std::uint8_t>{1}));
    EXPECT_EQ(names_in(folder.path()), (std::vector<std::string>{"fifo", "sub"}));
}

// A write killed before its rename leaves "target.XXXXXXXX"; the next write
// of the same target removes it, and nothing that is not its own or that a
// write of this run may still be using.
TEST(AtomicFile, NextWriteRemovesTheStaleTemporariesOfItsTarget) {
    testing::TempFolder folder;
    const fs::path target = folder.path() / "game.dam";
    const auto make = [&](const std::string& name, bool old) {
        std::ofstream(folder.path() / name) << "left";
        if (old)
            fs::last_write_time(folder.path() / name,
                                fs::file_time_type::clock::now() - std::chrono::hours(1));
    };
    make("game.dam.a1b2c3d4", true);  // killed earlier: goes
    make("game.dam.zzzzzzzz", true);  // killed earlier: goes
    make("game.dam.a1b2c3d", true);   // not the pattern: stays
    make("game.dam.A1B2C3D4", true);  // not the pattern: stays
    make("other.dam.a1b2c3d4", true); // another target's: stays
    make("game.dam.recent00", false); // this run's: stays
    fs::create_directory(folder.path() / "game.dam.folder00");
    fs::last_write_time(folder.path() / "game.dam.folder00",
                        fs::file_time_type::clock::now() - std::chrono::hours(1));
    ASSERT_TRUE(write_file_atomically(target, std::vector<std::uint8_t>{1}));
    EXPECT_EQ(
        names_in(folder.path()),
        (std::vector<std::string>{"game.dam", "game.dam.A1B2C3D4", "game.dam.a1b2c3d",
                                  "game.dam.folder00", "game.dam.recent00", "other.dam.a1b2c3d4"}));
}

TEST(AtomicFile, AFailedWriteSaysWhichFileAndWhy) {
    testing::TempFolder folder;
    const WriteResult missing =
        write_file_reporting(folder.path() / "none" / "a.txt", std::vector<std::uint8_t>{1});
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.path, folder.path() / "none" / "a.txt");
    EXPECT_EQ(missing.reason(), "No such file or directory");

    fs::create_directory(folder.path() / "b.txt");
    const WriteResult refused =
        write_file_reporting(folder.path() / "b.txt", std::vector<std::uint8_t>{1});
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.reason(), "not a regular file, or read-only");
}

// Files written as a set are all checked first: a refused second target
// leaves the first as it was.
TEST(AtomicFile, ASetWithARefusedTargetWritesNone) {
    testing::TempFolder folder;
    fs::create_directory(folder.path() / "two.dam");
    const std::vector<std::uint8_t> bytes{7};
    const FileBytes files[] = {{folder.path() / "one.dam", bytes},
                               {folder.path() / "two.dam", bytes}};
    const WriteResult result = write_files_reporting(files);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.path, folder.path() / "two.dam");
    EXPECT_EQ(names_in(folder.path()), std::vector<std::string>{"two.dam"});
}

} // namespace
} // namespace selvako
