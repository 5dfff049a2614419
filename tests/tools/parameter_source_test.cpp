// The readable parameter source is what the build turns into "defaut.par"
// and what the tuner writes its values back into: both ways must agree.

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "tools/parameters/parameter_source.h"

namespace selvako::parameters {
namespace {

std::string read_source(const char* path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string shipped_source() {
    return read_source(SELVAKO_PARAMETER_SOURCE);
}

int comment_lines(const std::string& text) {
    std::istringstream in(text);
    int count = 0;
    for (std::string line; std::getline(in, line);) count += line.find('#') != std::string::npos;
    return count;
}

TEST(ParameterSource, TheShippedSourceIsTheBuiltFile) {
    std::string error;
    const auto parsed = parse_parameter_source(shipped_source(), error);
    ASSERT_TRUE(parsed) << error;
    EvalParameters built;
    ParameterImage image{};
    ASSERT_TRUE(load_parameter_file(built, image, std::filesystem::path(SELVAKO_DATA_DIR) / "defaut.par"));
    EXPECT_EQ(*parsed, built);
}

// The fit is run again from the hand-set values and compared with them in
// matches: their source must stay readable, and it is not the shipped set.
TEST(ParameterSource, TheHandSetValuesStayReadable) {
    std::string error;
    const auto hand_set = parse_parameter_source(read_source(SELVAKO_HAND_SET_SOURCE), error);
    ASSERT_TRUE(hand_set) << error;
    EXPECT_NE(*hand_set, *parse_parameter_source(shipped_source(), error));
    EXPECT_EQ(hand_set->variant1_white, parse_parameter_source(shipped_source(), error)->variant1_white);
}

TEST(ParameterSource, RewrittenValuesReadBackWithTheCommentsKept) {
    const std::string source = shipped_source();
    std::string error;
    EvalParameters p = *parse_parameter_source(source, error);
    std::mt19937 random(4);
    std::uniform_int_distribution<int> value(0, 255), tempo(-128, 127);
    for (auto& table : p.tables)
        for (int e = 1; e <= 32; ++e) table[e] = static_cast<std::uint8_t>(value(random));
    for (auto& w : p.tempo_weights) w = static_cast<std::int8_t>(tempo(random));
    p.t1 = 19;
    p.t2 = 11;
    p.t3 = 5;

    const auto rewritten = rewrite_parameter_source(source, p);
    ASSERT_TRUE(rewritten);
    const auto back = parse_parameter_source(*rewritten, error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(*back, p);
    EXPECT_EQ(comment_lines(*rewritten), comment_lines(source));
    // Rewriting with the values already there changes nothing.
    EXPECT_EQ(rewrite_parameter_source(*rewritten, p), rewritten);
}

TEST(ParameterSource, MalformedSourcesAreRefused) {
    const std::string source = shipped_source();
    std::string error;
    const EvalParameters p = *parse_parameter_source(source, error);

    // A table cut to seven rows.
    std::string short_table = source;
    const auto table = short_table.find("table final");
    const auto row = short_table.find('\n', short_table.find('\n', table) + 1);
    short_table.erase(short_table.find('\n', table) + 1, row - short_table.find('\n', table));
    EXPECT_FALSE(parse_parameter_source(short_table, error));
    EXPECT_FALSE(rewrite_parameter_source(short_table, p));

    std::string unknown = source;
    unknown.replace(unknown.find("table final"), 11, "table finale");
    EXPECT_FALSE(parse_parameter_source(unknown, error));
    EXPECT_FALSE(rewrite_parameter_source(unknown, p));

    std::string no_thresholds = source;
    no_thresholds.replace(no_thresholds.find("\nthresholds"), 11, "\n#thresholds");
    EXPECT_FALSE(parse_parameter_source(no_thresholds, error));
    EXPECT_FALSE(rewrite_parameter_source(no_thresholds, p));
}

} // namespace
} // namespace selvako::parameters
