#pragma once
// Writes a whole file so that a crash or a full disk never leaves it half
// written: the bytes go to a temporary file beside it, which then replaces it.

#include <cstddef>
#include <string>

namespace selvako {

bool write_file_atomically(const std::string& path, const void* data, std::size_t size);

} // namespace selvako
