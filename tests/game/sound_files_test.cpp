#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Wave {
    std::uint16_t format = 0;
    std::uint16_t channels = 0;
    std::uint32_t rate = 0;
    std::uint32_t byte_rate = 0;
    std::uint16_t block_align = 0;
    std::uint16_t bits = 0;
    std::vector<std::int16_t> samples;
};

std::uint32_t le(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + static_cast<std::size_t>(i)];
    return v;
}

// Reads the canonical 44-byte header and checks every size field against the file.
::testing::AssertionResult read_wave(const std::string& name, Wave& w) {
    std::ifstream file(std::string(SELVAKO_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    const std::vector<unsigned char> b((std::istreambuf_iterator<char>(file)),
                                       std::istreambuf_iterator<char>());
    if (b.size() < 44) return ::testing::AssertionFailure() << name << " too short";
    const std::string tags = std::string(b.begin(), b.begin() + 4) +
                             std::string(b.begin() + 8, b.begin() + 16) +
                             std::string(b.begin() + 36, b.begin() + 40);
    if (tags != "RIFFWAVEfmt data") return ::testing::AssertionFailure() << name << " tags";
    if (le(b, 4, 4) != b.size() - 8 || le(b, 16, 4) != 16 || le(b, 40, 4) != b.size() - 44)
        return ::testing::AssertionFailure() << name << " sizes";
    w.format = static_cast<std::uint16_t>(le(b, 20, 2));
    w.channels = static_cast<std::uint16_t>(le(b, 22, 2));
    w.rate = le(b, 24, 4);
    w.byte_rate = le(b, 28, 4);
    w.block_align = static_cast<std::uint16_t>(le(b, 32, 2));
    w.bits = static_cast<std::uint16_t>(le(b, 34, 2));
    for (std::size_t i = 44; i + 1 < b.size(); i += 2)
        w.samples.push_back(static_cast<std::int16_t>(le(b, i, 2)));
    return ::testing::AssertionSuccess();
}

// Sign changes per sample over a stretch: a rough measure of pitch.
double crossing_rate(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
    int crossings = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        if ((s[i - 1] < 0) != (s[i] < 0)) ++crossings;
    return static_cast<double>(crossings) / static_cast<double>(to - from);
}

TEST(SoundFiles, MonoPcmWithoutClicksOrClipping) {
    for (const char* name : {"son.wav", "gagne.wav", "Perdu.wav"}) {
        SCOPED_TRACE(name);
        Wave w;
        ASSERT_TRUE(read_wave(name, w));
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.bits, 16);
        EXPECT_EQ(w.block_align, 2);
        EXPECT_EQ(w.byte_rate, w.rate * 2);
        const double seconds = static_cast<double>(w.samples.size()) / w.rate;
        EXPECT_GT(seconds, 0.02);
        EXPECT_LT(seconds, 1.5);
        // Both ends at rest: the envelopes start and finish at silence.
        EXPECT_LT(std::abs(w.samples.front()), 100);
        EXPECT_LT(std::abs(w.samples.back()), 100);
        int peak = 0;
        for (std::int16_t s : w.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_GT(peak, 8000);
        EXPECT_LT(peak, 32767);
    }
}

TEST(SoundFiles, WinRisesAndLossFalls) {
    Wave win, loss;
    ASSERT_TRUE(read_wave("gagne.wav", win));
    ASSERT_TRUE(read_wave("Perdu.wav", loss));
    const std::size_t tenth = win.rate / 10;
    EXPECT_LT(crossing_rate(win.samples, 0, tenth),
              crossing_rate(win.samples, 4 * tenth, 5 * tenth));
    EXPECT_GT(crossing_rate(loss.samples, 0, tenth),
              crossing_rate(loss.samples, 5 * tenth, 6 * tenth));
}

} // namespace
