#include <filesystem>
#include <fstream>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>

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

// Writing through a link would silently turn it into a plain file.
TEST(AtomicFile, RefusesALinkAndLeavesBothAsTheyWere) {
    testing::TempFolder folder;
    const fs::path target = folder.path() / "target.bin";
    const fs::path link = folder.path() / "link.bin";
    const std::vector<std::uint8_t> old{9, 9};
    ASSERT_TRUE(write_file_atomically(target, old));
    fs::create_symlink(target, link);
    EXPECT_FALSE(write_file_atomically(link, std::vector<std::uint8_t>{1}));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(bytes_of(target), old);
    EXPECT_EQ(names_in(folder.path()), (std::vector<std::string>{"link.bin", "target.bin"}));
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

} // namespace
} // namespace selvako
