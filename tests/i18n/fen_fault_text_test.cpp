// A refused FEN text worded in each language: every fault in words of its
// own (no English left in another language), with the square or text at
// fault, and a side named as the language names it.

#include <gtest/gtest.h>

#include <string>

#include "ui/i18n/fen_fault_text.h"
#include "ui/i18n/languages.h"

namespace selvako {
namespace {

struct Refused {
    const char* fen;
    const char* where_shown; // what the words must show of where the fault is
};

class FenFaultWords : public testing::TestWithParam<Refused> {};

TEST_P(FenFaultWords, EachLanguageWordsItWithWhereItIs) {
    const FenResult read = parse_fen(GetParam().fen);
    ASSERT_FALSE(read.position);
    const std::string english = fen_fault_text(read.fault, read.where, ENGLISH);
    for (int langue = 0; langue < LANGUAGE_COUNT; ++langue) {
        const std::string text = fen_fault_text(read.fault, read.where, langue);
        EXPECT_EQ(text.find("%1"), std::string::npos) << langue << ": " << text;
        EXPECT_NE(text.find(GetParam().where_shown), std::string::npos) << langue << ": " << text;
        if (langue != ENGLISH) {
            EXPECT_NE(text, english) << langue;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fen, FenFaultWords,
                         testing::Values(Refused{"W:Wb8:Bd6", "b8"}, Refused{"", ""},
                                         Refused{"X:W21:B1", "X"}, Refused{"W:W21:X1", "X1"},
                                         Refused{"W:Wz9:B1", "z9"}, Refused{"W:W21,21:B1", "b6"},
                                         Refused{"W:W21,:B1", "W21,"},
                                         Refused{"W:W12-5:B1", "12-5"}, Refused{"W:W21", ""},
                                         Refused{"W:W21:B1:", ""}),
                         // Stable names: ctest runs each case by its name.
                         [](const testing::TestParamInfo<Refused>& param) {
                             return "text" + std::to_string(param.index);
                         });

TEST(FenFaultWords, ASideIsNamedInTheLanguage) {
    const FenResult twice = parse_fen("W:W21:W22:B1");
    EXPECT_EQ(fen_fault_text(twice.fault, twice.where, FRANCAIS),
              "les Blancs sont donnés deux fois");
    const FenResult many = parse_fen("W:W32:B1-13");
    EXPECT_EQ(fen_fault_text(many.fault, many.where, NEDERLANDS),
              "Zwart heeft meer dan 12 stukken");
    EXPECT_EQ(fen_fault_text(many.fault, many.where, ENGLISH), many.error);
}

} // namespace
} // namespace selvako
