// `convert IN OUT`: games between the program's ".dam" files, the text score
// sheet and PDN, chosen by the files' extensions. A text or PDN file holds
// many games; a ".dam" file holds one, so several games give numbered files.

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/cli/commands.h"
#include "files/atomic_file.h"
#include "files/pdn_file.h"
#include "files/text_game_file.h"
#include "game/game_import.h"
#include "game/saved_game.h"
#include "game/time_source.h"
#include "ui/i18n/file_refusal_text.h"

namespace selvako::cli {

namespace {

enum class Format { dam, text, pdn, unknown };

Format format_of(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".dam") return Format::dam;
    if (ext == ".txt" || ext == ".doc") return Format::text;
    if (ext == ".pdn") return Format::pdn;
    return Format::unknown;
}

// One game held as the window holds it, so that every format is written from
// the same record.
struct HeldGame {
    ManualTimeSource time;
    GameClocks clocks{time};
    GameState state;
};

int fail(const std::string& message) {
    std::cerr << "selvako-cli: " << message << '\n';
    return 1;
}

} // namespace

int run_convert(const Arguments& args) {
    if (args.words.size() != 3) return usage_error("convert needs IN and OUT");
    const std::filesystem::path in(args.words[1]);
    const std::filesystem::path out(args.words[2]);
    const Format from = format_of(in);
    const Format to = format_of(out);
    if (from == Format::unknown || to == Format::unknown)
        return usage_error("convert knows .dam, .txt (.doc) and .pdn files");

    std::vector<std::unique_ptr<HeldGame>> games;
    if (from == Format::dam) {
        const auto image = read_game_file(in);
        if (!image) return fail(refusal_text(image.refusal, ENGLISH));
        auto held = std::make_unique<HeldGame>();
        load_game_file_image(held->state, held->clocks, *image);
        games.push_back(std::move(held));
    } else {
        const TextFileRead read = read_text_file(in);
        if (!read.ok()) return fail(refusal_text(*read.refusal, ENGLISH));
        const GameTextFile file =
            from == Format::text ? read_text_games(read.text) : read_pdn_games(read.text);
        if (!file.error.empty()) return fail(in.string() + ": " + file.error);
        EngineState work;
        work.allocate_move_lists();
        for (const GameText& text : file.games) {
            auto held = std::make_unique<HeldGame>();
            const ReplayReport report = rejouer_partie(held->state, held->clocks, work, text);
            if (report.skipped > 0)
                std::cerr << "selvako-cli: game " << games.size() + 1 << ": "
                          << skipped_moves_text(report) << '\n';
            games.push_back(std::move(held));
        }
    }

    if (to == Format::dam) {
        // Written as one set: every target is checked and every file made
        // before any takes its name, so a refused OUT-2.dam leaves OUT-1.dam
        // as it was.
        std::vector<std::vector<std::uint8_t>> images;
        std::vector<FileBytes> files;
        for (std::size_t k = 0; k < games.size(); ++k) {
            std::filesystem::path target = out;
            if (games.size() > 1)
                target.replace_filename(out.stem().string() + '-' + std::to_string(k + 1) + ".dam");
            images.push_back(encode_game_file(game_file_image(games[k]->state)));
            files.push_back(FileBytes{target, {}});
        }
        for (std::size_t k = 0; k < files.size(); ++k) files[k].bytes = images[k];
        if (const WriteResult written = write_files_reporting(files); !written.ok)
            return fail("cannot write " + written.path.string() + ": " + written.reason());
    } else {
        std::string text;
        for (std::size_t k = 0; k < games.size(); ++k) {
            const GameState& g = games[k]->state;
            const std::string white = name_text(g.nom_blanc);
            const std::string black = name_text(g.nom_noir);
            if (to == Format::text) {
                if (k > 0) text += '\n'; // games are parted by an empty line
                text += text_game(white, black, g.dernier_resultat, played_game(g));
            } else {
                PdnTags tags;
                tags.white = white;
                tags.black = black;
                tags.result = g.dernier_resultat;
                tags.round = std::to_string(k + 1);
                text += pdn_game(tags, played_game(g));
            }
        }
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
        if (const WriteResult written = write_file_reporting(out, {bytes, text.size()});
            !written.ok)
            return fail("cannot write " + out.string() + ": " + written.reason());
    }
    std::printf("converted %zu\n", games.size());
    return 0;
}

} // namespace selvako::cli
