#include "engine/crc32.h"

#include <array>

namespace selvako {

namespace {

// Row 0 is the usual byte-at-a-time table; row k gives the effect of a byte
// followed by k zero bytes, so that eight bytes are folded in with eight
// lookups and no dependency between them (the endgame tables are checked
// whole at every start).
constexpr std::array<std::array<std::uint32_t, 256>, 8> make_crc_tables() {
    std::array<std::array<std::uint32_t, 256>, 8> tables{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        tables[0][i] = c;
    }
    for (std::uint32_t i = 0; i < 256; ++i)
        for (int k = 1; k < 8; ++k)
            tables[k][i] = tables[0][tables[k - 1][i] & 0xFFu] ^ (tables[k - 1][i] >> 8);
    return tables;
}

constexpr auto CRC_TABLES = make_crc_tables();

std::uint32_t fold_byte(std::uint32_t c, unsigned char byte) {
    return CRC_TABLES[0][(c ^ byte) & 0xFFu] ^ (c >> 8);
}

} // namespace

std::uint32_t crc32(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::uint32_t c = 0xFFFFFFFFu;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        // Little-endian words, as the bytes come: byte 0 in the low bits.
        std::uint32_t low = 0;
        std::uint32_t high = 0;
        for (int k = 0; k < 4; ++k) {
            low |= std::uint32_t{bytes[i + k]} << (8 * k);
            high |= std::uint32_t{bytes[i + 4 + k]} << (8 * k);
        }
        low ^= c;
        c = CRC_TABLES[7][low & 0xFFu] ^ CRC_TABLES[6][(low >> 8) & 0xFFu] ^
            CRC_TABLES[5][(low >> 16) & 0xFFu] ^ CRC_TABLES[4][low >> 24] ^
            CRC_TABLES[3][high & 0xFFu] ^ CRC_TABLES[2][(high >> 8) & 0xFFu] ^
            CRC_TABLES[1][(high >> 16) & 0xFFu] ^ CRC_TABLES[0][high >> 24];
    }
    for (; i < size; ++i) c = fold_byte(c, bytes[i]);
    return c ^ 0xFFFFFFFFu;
}

} // namespace selvako
