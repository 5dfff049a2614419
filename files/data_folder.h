#pragma once
// Where the program's read-only data lives: in "data" beside the executable
// (the build tree), else in "../share/selvako" relative to it (an installed
// program: bin/selvako and share/selvako under the same prefix).

#include <filesystem>

namespace selvako {

// The first of the two folders that exists, or "data" beside the executable
// when neither does, so that the messages about missing files name it.
std::filesystem::path find_data_folder(const std::filesystem::path& executable_folder);

} // namespace selvako
