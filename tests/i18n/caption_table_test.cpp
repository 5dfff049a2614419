// The translators' caption table and the composed texts: every row whole in
// the six languages, malformed rows refused with their line, and no composed
// text in the sources missing a language.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "caption_tsv.h"
#include "game/end_texts.h"
#include "game/game_end.h"
#include "game/rating.h"

using namespace selvako;

namespace {

const std::string SOURCE = SELVAKO_SOURCE_DIR;
const std::string HEADER = "key\tfr\ten\tnl\tpt\tes\tit\n";

std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<CaptionTsvRow> table() {
    const auto parsed = parse_caption_tsv(read(SOURCE + "/ui/i18n/captions.tsv"));
    if (const auto* e = std::get_if<CaptionTsvError>(&parsed)) {
        ADD_FAILURE() << "captions.tsv:" << e->line << ": " << e->message;
        return {};
    }
    return std::get<std::vector<CaptionTsvRow>>(parsed);
}

int error_line(const std::string& text) {
    const auto parsed = parse_caption_tsv(text);
    const auto* e = std::get_if<CaptionTsvError>(&parsed);
    return e ? e->line : 0;
}

} // namespace

TEST(CaptionTable, EveryRowHasItsSixCaptions) {
    const auto rows = table();
    ASSERT_GE(rows.size(), 140u);
    for (const CaptionTsvRow& row : rows)
        for (std::size_t k = 0; k < CAPTION_LANGUAGES; ++k) {
            // The one caption blank on purpose: the Dutch notice reads "Meerslag verplicht".
            if (row.key == "Label29" && k == 2) continue;
            EXPECT_FALSE(row.text[k].empty()) << row.key << " column " << k;
        }
}

TEST(CaptionTable, WrittenRowsAsTheLanguagesWriteThem) {
    std::map<std::string, std::array<std::string, 6>> by_key;
    for (const CaptionTsvRow& row : table()) by_key[row.key] = row.text;
    const std::array<std::string, 6> affichage = {"Affichage", "Board",    "Bord",
                                                  "Tabuleiro", "Tableros", "Damiera"};
    EXPECT_EQ(by_key["Affichage1"], affichage);
    const std::array<std::string, 6> label30 = {"majoritaire", "must take", "Meerslag",
                                                "Obrigatório", "maximo",    "maggioritaria"};
    EXPECT_EQ(by_key["Label30"], label30);
    EXPECT_EQ(by_key["Label29"][2], "");
    EXPECT_EQ(by_key["Nouveau2"][5], "Nuova partita");
    EXPECT_EQ(by_key["Zut"][3], " Ops! este lance não é o que eu queria jogar.");
    // Rows the languages write differently from French, as a speaker would.
    for (const char* key : {"Quitter1", "Sauver1", "Abandon1", "Nulrefus", "Rgles1"})
        for (std::size_t k = 1; k < 6; ++k)
            EXPECT_NE(by_key[key][k], by_key[key][0]) << key << " column " << k;
    // Language names and the menu's own title are the same in every column.
    for (std::size_t k = 1; k < 6; ++k) {
        EXPECT_EQ(by_key["Espanol1"][k], "Español");
        EXPECT_EQ(by_key["Langue1"][k], "Idioma/Langue/Language/Taal");
    }
}

TEST(CaptionTable, MalformedRowsAreRefusedWithTheirLine) {
    const std::string good = "Fichier1\tFichier\tFile\tBestand\tArquivo\tArchivo\tFile\n";
    EXPECT_EQ(error_line(HEADER + good), 0);
    // One caption missing, one empty, one extra cell.
    EXPECT_EQ(error_line(HEADER + good + "Nouveau2\tNouveau\tNew\tNieuw\tNovo\tNuevo\n"), 3);
    EXPECT_EQ(error_line(HEADER + "Nouveau2\tNouveau\t\tNieuw\tNovo\tNuevo\tNuova\n"), 2);
    EXPECT_EQ(error_line(HEADER + "Nouveau2\tNouveau\tNew\tNieuw\tNovo\tNuevo\tNuova\tx\n"), 2);
    // The same key twice, a key with a space, a blank line in the middle.
    EXPECT_EQ(error_line(HEADER + good + good), 3);
    EXPECT_EQ(error_line(HEADER + "Fichier 1\tFichier\tFile\tBestand\tArquivo\tArchivo\tFile\n"),
              2);
    EXPECT_EQ(error_line(HEADER + "\n" + good), 2);
    // Not UTF-8 (Latin-1 "é"), a missing header, an empty table.
    EXPECT_EQ(error_line(HEADER + "Nul\tNul refus\xe9\ta\tb\tc\td\te\n"), 2);
    EXPECT_EQ(error_line(good), 1);
    EXPECT_EQ(error_line(HEADER), 1);
    // A blank kept on purpose is written "" and reads as empty.
    const auto parsed =
        parse_caption_tsv(HEADER + "Label29\tPrise\tYou\t\"\"\tLei da\tCapturar\tPresa\n");
    ASSERT_TRUE(std::holds_alternative<std::vector<CaptionTsvRow>>(parsed));
    EXPECT_EQ(std::get<std::vector<CaptionTsvRow>>(parsed)[0].text[2], "");
}

TEST(CaptionTable, GeneratedRowsAreValidStringLiterals) {
    CaptionTsvRow row{"Zut", {"a \"b\"", "c\\d", "", "é", "x", "y"}};
    EXPECT_EQ(caption_rows_source({row}),
              "{\"Zut\", {\"a \\\"b\\\"\", \"c\\\\d\", \"\", \"é\", \"x\", \"y\"}},\n");
}

// Every `Traductions` written in the interface's sources has six texts, none
// empty: a text added in French only would show French in five languages.
TEST(ComposedTexts, EveryOneHasTheSixLanguages) {
    // Every source of the interface, those added later included.
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(SOURCE + "/ui"))
        if (entry.path().extension() == ".cpp" || entry.path().extension() == ".h")
            files.push_back(std::filesystem::relative(entry.path(), SOURCE).string());
    ASSERT_GE(files.size(), 20u);
    int texts = 0;
    for (const std::string& name : files) {
        const std::string source = read(SOURCE + "/" + name);
        ASSERT_FALSE(source.empty()) << name;
        for (std::size_t at = source.find("constexpr Traductions "); at != std::string::npos;
             at = source.find("constexpr Traductions ", at + 1)) {
            const std::size_t open = source.find('{', at);
            // Walk the braces; each innermost group is one text in six languages.
            int depth = 0;
            std::size_t k = open;
            int strings = 0;
            bool in_string = false, empty_string = false, adjacent = false;
            for (; k < source.size(); ++k) {
                const char c = source[k];
                if (in_string) {
                    if (c == '\\') {
                        ++k;
                        empty_string = false;
                    } else if (c == '"') {
                        in_string = false;
                    } else {
                        empty_string = false;
                    }
                    continue;
                }
                if (c == '"') {
                    in_string = true;
                    // "a" "b" is one literal continued.
                    if (!adjacent) {
                        ++strings;
                        empty_string = true;
                    }
                    adjacent = true;
                    continue;
                }
                if (c == ',') {
                    EXPECT_FALSE(empty_string) << name << " near offset " << at;
                    adjacent = false;
                }
                if (c == '{') {
                    ++depth;
                    strings = 0;
                    adjacent = false;
                } else if (c == '}') {
                    if (strings > 0) {
                        EXPECT_EQ(strings, 6) << name << ": " << source.substr(at, 60);
                        ++texts;
                    }
                    strings = 0;
                    adjacent = false;
                    if (--depth == 0) break;
                }
            }
        }
    }
    EXPECT_GE(texts, 40);
}

TEST(ComposedTexts, EndOfGameSentencesInEveryLanguage) {
    for (const EndText* text : ALL_END_TEXTS) {
        std::set<std::string_view> distinct(text->begin(), text->end());
        for (std::string_view t : *text) EXPECT_FALSE(t.empty());
        EXPECT_GE(distinct.size(), 4u) << (*text)[0];
    }
    GameEndInput in;
    in.end = GameEnd::resignation;
    in.loser = WHITE;
    in.langue = 1;
    EXPECT_EQ(game_end_report(in)->qui_gagne, "You resign, Selvako wins");
    in.langue = 4;
    EXPECT_EQ(game_end_report(in)->qui_gagne, "Usted abandona, gana Selvako");
    in.langue = 9; // out of range: French
    EXPECT_EQ(game_end_report(in)->qui_gagne, "Vous abandonnez, gain Selvako");
    in.end = GameEnd::no_moves;
    in.loser = BLACK;
    in.couleur_ordinateur = 1;
    in.langue = 5;
    EXPECT_EQ(game_end_report(in)->qui_gagne, "Bravo, hai vinto");
    EXPECT_EQ(rating_change_line("Anne", 1500, 1512, 2), "Anne gaat van 1500 naar 1512");
    EXPECT_EQ(rating_change_line("Anne", 1500, 1512), "Anne passe de 1500 à 1512");
}
