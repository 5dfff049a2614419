#include "tools/sound_generator/wav_file.h"

namespace selvako::sound {

namespace {

constexpr std::uint16_t PCM_FORMAT = 1;
constexpr std::uint16_t CHANNELS = 1;
constexpr std::uint16_t BITS_PER_SAMPLE = 16;
constexpr std::uint32_t FMT_CHUNK_SIZE = 16;
constexpr std::uint32_t HEADER_SIZE = 44;

void put_text(std::vector<std::uint8_t>& out, const char (&text)[5]) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(text[i]));
}

void put_u16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

} // namespace

std::vector<std::uint8_t> encode_wav(std::span<const std::int16_t> samples,
                                     std::uint32_t sample_rate) {
    const auto data_size = static_cast<std::uint32_t>(samples.size() * 2);
    const std::uint16_t block_align = CHANNELS * BITS_PER_SAMPLE / 8;
    std::vector<std::uint8_t> out;
    out.reserve(HEADER_SIZE + data_size);
    put_text(out, "RIFF");
    put_u32(out, HEADER_SIZE - 8 + data_size);
    put_text(out, "WAVE");
    put_text(out, "fmt ");
    put_u32(out, FMT_CHUNK_SIZE);
    put_u16(out, PCM_FORMAT);
    put_u16(out, CHANNELS);
    put_u32(out, sample_rate);
    put_u32(out, sample_rate * block_align);
    put_u16(out, block_align);
    put_u16(out, BITS_PER_SAMPLE);
    put_text(out, "data");
    put_u32(out, data_size);
    for (std::int16_t s : samples) put_u16(out, static_cast<std::uint16_t>(s));
    return out;
}

} // namespace selvako::sound
