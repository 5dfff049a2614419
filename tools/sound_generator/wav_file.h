#pragma once
// Mono 16-bit PCM wave files, the plainest format every player reads.

#include <cstdint>
#include <span>
#include <vector>

namespace selvako::sound {

std::vector<std::uint8_t> encode_wav(std::span<const std::int16_t> samples,
                                     std::uint32_t sample_rate);

} // namespace selvako::sound
