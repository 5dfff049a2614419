#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "eval_test_support.h"

namespace selvako {
namespace {

namespace fs = std::filesystem;

class ParameterFile : public ::testing::Test {
  protected:
    fs::path dir;
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("selvako_par_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::vector<std::uint8_t> bytes_of(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void write_bytes(const fs::path& p, const std::vector<std::uint8_t>& data) {
        std::ofstream out(p, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data.data()),
                  static_cast<std::streamsize>(data.size()));
    }
};

TEST_F(ParameterFile, LayoutOfTheImage) {
    EvalParameters p;
    p.tables[OPENING_DEFAULT][1] = 11;
    p.tables[MIDDLE_DEFAULT][32] = 200;
    p.tables[VARIANT2_MIDDLE][5] = 7;
    p.t1 = 16;
    p.t2 = 10;
    p.t3 = -3;
    p.variant1_white[0] = 22;
    p.variant2_white[6] = 31;
    p.variant1_black[1] = 9;
    p.variant2_black[2] = 5;
    p.tempo_weights[OPENING_DEFAULT] = -2;
    p.tempo_weights[VARIANT2_MIDDLE] = 9;
    ParameterImage image{};
    parameters_to_image(p, image);
    EXPECT_EQ(image[1], 11);
    EXPECT_EQ(image[33 + 32], 200);
    EXPECT_EQ(image[231 + 5], 7);
    EXPECT_EQ(image[264], 16);
    EXPECT_EQ(image[265], 10);
    EXPECT_EQ(image[266], 253); // -3 as a byte
    EXPECT_EQ(image[267], 22);
    EXPECT_EQ(image[274 + 6], 31);
    EXPECT_EQ(image[281 + 1], 9);
    EXPECT_EQ(image[288 + 2], 5);
    EXPECT_EQ(image[295], 254);
    EXPECT_EQ(image[302], 9);
    for (int i = 303; i < PARAMETER_FILE_SIZE; ++i) ASSERT_EQ(image[i], 0) << i;
    EXPECT_EQ(parameters_from_image(image), p);
}

TEST_F(ParameterFile, RoundTripKeepsTheReservedTail) {
    std::mt19937 rng(7);
    std::vector<std::uint8_t> original(PARAMETER_FILE_SIZE);
    for (auto& b : original) b = static_cast<std::uint8_t>(rng());
    write_bytes(dir / "a.par", original);

    EvalParameters params;
    ParameterImage image{};
    ASSERT_TRUE(load_parameter_file(params, image, dir / "a.par"));
    ParameterImage written = image;
    parameters_to_image(params, written);
    EXPECT_EQ(std::vector<std::uint8_t>(written.begin(), written.end()), original);
    EXPECT_EQ(parameters_from_image(written), params);
}

TEST_F(ParameterFile, ShortFileReplacesOnlyTheStart) {
    EvalParameters params;
    ParameterImage image;
    image.fill(0x55);
    write_bytes(dir / "short.par", std::vector<std::uint8_t>(100, 3));
    ASSERT_TRUE(load_parameter_file(params, image, dir / "short.par"));
    for (int i = 0; i < 100; ++i) ASSERT_EQ(image[i], 3);
    for (int i = 100; i < PARAMETER_FILE_SIZE; ++i) ASSERT_EQ(image[i], 0x55);
    EXPECT_EQ(params.tables[FINAL][0], 3);    // offset 99
    EXPECT_EQ(params.tables[FINAL][1], 0x55); // offset 100 came from the old image
    EXPECT_EQ(params.t1, 0x55);
}

TEST_F(ParameterFile, FailuresChangeNothing) {
    EvalParameters params;
    params.t1 = 12;
    ParameterImage image;
    image.fill(9);
    const EvalParameters before = params;
    const ParameterImage image_before = image;
    EXPECT_FALSE(load_parameter_file(params, image, dir / "missing" / "x.par"));
    EXPECT_EQ(params, before);
    EXPECT_EQ(image, image_before);
}

TEST(DefaultParameters, BuildWritesAUsableFile) {
    EvalParameters p;
    ParameterImage image{};
    ASSERT_TRUE(load_parameter_file(p, image, fs::path(SELVAKO_DATA_DIR) / "defaut.par"));
    EXPECT_GT(p.t1, p.t2);
    EXPECT_GT(p.t2, p.t3);
    EXPECT_GT(p.t3, 0);
    // The start position is neither variant: exactly 8 of each 14 squares hold.
    EvalState eval;
    eval.parameters = p;
    EngineState st;
    st.set_position(start_position());
    prepare_evaluation(eval, st, WHITE);
    EXPECT_FALSE(eval.variant1);
    EXPECT_FALSE(eval.variant2);
    EXPECT_EQ(eval.root_phase, PHASE_OPENING);
}

} // namespace
} // namespace selvako
