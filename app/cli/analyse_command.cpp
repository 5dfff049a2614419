// `analyse FILE [--depth D | --level N] [--pdn OUT]`: the game of a ".dam",
// text or PDN file analysed from its last position back to the start, one
// line per ply in game order: the ply, the move played, its score, the
// engine's best move and score, and for a clearly worse move "*" with the
// continuation the engine expected. --pdn writes the game with the same
// findings as comments.

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/cli/commands.h"
#include "app/cli/headless_engine.h"
#include "files/atomic_file.h"
#include "files/pdn_file.h"
#include "files/text_game_file.h"
#include "game/game_analysis.h"
#include "game/game_import.h"
#include "game/levels.h"
#include "game/saved_game.h"
#include "search/search.h"
#include "search/time_budget.h"
#include "ui/i18n/file_refusal_text.h"

namespace selvako::cli {

namespace {

struct HeldGame {
    ManualTimeSource time;
    GameClocks clocks{time};
    GameState state;
};

int fail(const std::string& message) {
    std::cerr << "selvako-cli: " << message << '\n';
    return 1;
}

std::string lower_extension(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

// The first game of the file, whole, as the window would hold it.
std::optional<std::string> read_game(const std::filesystem::path& in, HeldGame& held) {
    const std::string ext = lower_extension(in);
    if (ext == ".dam") {
        const auto image = read_game_file(in);
        if (!image) return refusal_text(image.refusal, ENGLISH);
        load_game_file_image(held.state, held.clocks, *image);
        return std::nullopt;
    }
    const bool pdn = ext == ".pdn";
    if (!pdn && ext != ".txt" && ext != ".doc")
        return "analyse knows .dam, .txt (.doc) and .pdn files";
    const TextFileRead read = read_text_file(in);
    if (!read.ok()) return refusal_text(*read.refusal, ENGLISH);
    const GameTextFile file = pdn ? read_pdn_games(read.text) : read_text_games(read.text);
    if (!file.error.empty()) return in.string() + ": " + file.error;
    if (file.games.empty()) return in.string() + ": no game";
    EngineState work;
    work.allocate_move_lists();
    const ReplayReport report = rejouer_partie(held.state, held.clocks, work, file.games[0]);
    if (report.skipped > 0) std::cerr << "selvako-cli: " << skipped_moves_text(report) << '\n';
    return std::nullopt;
}

std::optional<int> number(std::string_view text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string move_word(const FicheCoup& ply) {
    return std::string(SQUARE_NAMES[ply.from]) + (ply.taken > 0 ? "x" : "-") +
           std::string(SQUARE_NAMES[ply.to]);
}

std::string squares(const PlayedMove& m) {
    return std::string(SQUARE_NAMES[m.from]) + (m.capture ? "x" : "-") +
           std::string(SQUARE_NAMES[m.to]);
}

std::string expected_words(const AnalysisLine& line) {
    std::string text;
    for (const PlayedMove& m : line.expected) {
        if (!text.empty()) text += ' ';
        text += squares(m);
    }
    return text;
}

} // namespace

int run_analyse(const Arguments& args) {
    if (args.words.size() < 2) return usage_error("analyse needs a game file");
    int limits = 0;
    for (std::size_t i = 2; i < args.words.size(); ++i) {
        const auto w = args.words[i];
        if (w == "--depth" || w == "--level") ++limits;
        if (w == "--depth" || w == "--level" || w == "--pdn" || w == "--data")
            ++i;
        else
            return usage_error("unknown option '" + shown_input(w) + "'");
    }
    if (limits > 1) return usage_error("give one of --depth and --level");
    bool missing = false;
    const auto data = args.value_of("--data", missing);
    const auto depth = args.value_of("--depth", missing);
    const auto level = args.value_of("--level", missing);
    const auto pdn = args.value_of("--pdn", missing);
    if (missing) return usage_error("an option needs a value");

    SearchLimits chosen;
    const LevelParameters excellence = LEVEL_ITEMS[5].parameters;
    chosen.budget_recherche = excellence.budget_recherche;
    chosen.temps_alloue = excellence.temps_alloue;
    if (depth) {
        const auto d = number(*depth);
        if (!d || *d < 1 || *d > MAX_ITERATION) return usage_error("--depth takes 1 to 30");
        chosen.budget_recherche = UNLIMITED_BUDGET;
        chosen.temps_alloue = UNLIMITED_SECONDS;
        chosen.depth = *d;
    } else if (level) {
        const auto n = number(*level);
        if (!n || *n < 0 || *n > 8) return usage_error("--level takes 0 to 8");
        chosen.budget_recherche =
            LEVEL_ITEMS[static_cast<std::size_t>(*n)].parameters.budget_recherche;
        chosen.temps_alloue = LEVEL_ITEMS[static_cast<std::size_t>(*n)].parameters.temps_alloue;
    }

    const std::filesystem::path in(args.words[1]);
    auto held = std::make_unique<HeldGame>();
    if (auto problem = read_game(in, *held)) return fail(*problem);
    GameState& game = held->state;
    game.num_demi_coup = static_cast<std::uint8_t>(std::clamp(game.longueur_partie, 0, LAST_PLY));

    const std::filesystem::path chosen_data = data ? std::filesystem::path(*data) : "";
    HeadlessEngine headless(data_folder(data ? &chosen_data : nullptr), 1);
    GameAnalysis analysis;
    if (!analysis.start(game)) {
        std::printf("no move to analyse\n");
        return 0;
    }
    while (analysis.running()) analysis.step(headless.engine, chosen);

    std::vector<std::string> comments(static_cast<std::size_t>(game.longueur_partie) + 1);
    for (const AnalysisLine& line : analysis.lines()) {
        const int ply = line.ply + 1;
        const FicheCoup& played = game.historique[static_cast<std::size_t>(ply)];
        std::string text = std::to_string(ply);
        text.append(" ").append(move_word(played)).append(" ");
        text.append(std::to_string(line.played_score)).append(" best ");
        text.append(squares(line.best)).append(" ").append(std::to_string(line.best_score));
        std::string comment;
        if (line.starred) {
            text.append(" * ").append(expected_words(line));
            comment.append("* ");
        }
        comment.append(std::to_string(line.played_score));
        if (line.starred) {
            comment.append("; best ").append(squares(line.best)).append(" ");
            comment.append(std::to_string(line.best_score)).append("; expected ");
            comment.append(expected_words(line));
        }
        std::printf("%s\n", text.c_str());
        comments[static_cast<std::size_t>(ply)] = comment;
    }

    if (pdn) {
        PdnTags tags;
        tags.white = name_text(game.nom_blanc);
        tags.black = name_text(game.nom_noir);
        tags.result = game.dernier_resultat;
        const std::string text = pdn_game(tags, played_game(game), comments);
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
        const std::filesystem::path out(*pdn);
        if (const WriteResult written = write_file_reporting(out, {bytes, text.size()});
            !written.ok)
            return fail("cannot write " + out.string() + ": " + written.reason());
    }
    return 0;
}

} // namespace selvako::cli
