#pragma once
// Mono 16-bit PCM wave files, the plainest format every player reads.

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace selvako::sound {

std::vector<std::uint8_t> encode_wav(std::span<const std::int16_t> samples,
                                     std::uint32_t sample_rate);

// Writes beside the target and renames, so a failed run never leaves half a file.
bool write_file_atomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

} // namespace selvako::sound
