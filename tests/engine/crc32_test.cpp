#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/crc32.h"

namespace selvako {
namespace {

// The check values every CRC-32 (zlib, PNG) implementation publishes.
TEST(Crc32, GivesTheStandardCheckValues) {
    EXPECT_EQ(crc32("", 0), 0x00000000u);
    EXPECT_EQ(crc32("a", 1), 0xE8B7BE43u);
    EXPECT_EQ(crc32("123456789", 9), 0xCBF43926u);
    const std::string fox = "The quick brown fox jumps over the lazy dog";
    EXPECT_EQ(crc32(fox.data(), fox.size()), 0x414FA339u);
}

// Eight bytes are folded at a time and the rest one by one: every length
// around those boundaries, and every starting offset, must give the CRC a
// plain bit-by-bit computation gives.
TEST(Crc32, AgreesWithABitByBitComputationAtEveryLengthAndOffset) {
    auto bit_by_bit = [](const unsigned char* p, std::size_t n) {
        std::uint32_t c = 0xFFFFFFFFu;
        for (std::size_t i = 0; i < n; ++i) {
            c ^= p[i];
            for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        return c ^ 0xFFFFFFFFu;
    };
    std::vector<unsigned char> bytes(80);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(i * 37 + 11);
    for (std::size_t offset = 0; offset < 8; ++offset)
        for (std::size_t n = 0; offset + n <= bytes.size(); ++n)
            ASSERT_EQ(crc32(bytes.data() + offset, n), bit_by_bit(bytes.data() + offset, n))
                << "offset " << offset << " length " << n;
}

} // namespace
} // namespace selvako
