// The programs find their data beside them in the build, and under
// share/selvako once installed.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "files/data_folder.h"

using namespace selvako;
namespace fs = std::filesystem;

TEST(DataFolder, BesideTheProgramFirstThenTheInstalledFolder) {
    const fs::path root =
        fs::temp_directory_path() / ("selvako-data-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "bin");
    // Neither: the folder beside, which the messages then name.
    EXPECT_EQ(find_data_folder(root / "bin"), root / "bin" / "data");
    fs::create_directories(root / "share" / "selvako");
    EXPECT_EQ(find_data_folder(root / "bin"), root / "share" / "selvako");
    fs::create_directories(root / "bin" / "data");
    EXPECT_EQ(find_data_folder(root / "bin"), root / "bin" / "data");
    fs::remove_all(root);
}
