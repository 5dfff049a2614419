#pragma once
// Data files are opened only when they are plain files: a FIFO in their
// place would block the reader for ever, and a device would feed it without
// end. A link is followed to what it names.

#include <filesystem>

namespace selvako {

inline bool is_plain_file(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace selvako
