#pragma once
// The CRC-32 of zlib and PNG (polynomial 0xEDB88320, reflected), so that a
// printed checksum can be compared with any common tool.

#include <cstddef>
#include <cstdint>

namespace selvako {

std::uint32_t crc32(const void* data, std::size_t size);

} // namespace selvako
