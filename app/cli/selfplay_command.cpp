// `selfplay`: whole games of the computer against itself through the game
// controller, with the level's clocks and every end-of-game rule it applies.

#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

#include "app/cli/commands.h"
#include "app/cli/headless_engine.h"
#include "app/cli/headless_game.h"
#include "files/atomic_file.h"
#include "files/pdn_file.h"

namespace selvako::cli {

namespace {

std::string today() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y.%m.%d", &local);
    return text;
}

struct GameSummary {
    Outcome outcome = Outcome::none;
    int plies = 0;
    std::string reason;
    std::string pdn;
};

GameSummary play_one(const std::filesystem::path& data, int level, bool book, int round) {
    // Each game its own seed: the repertoire's choices, and so the games, differ.
    HeadlessEngine headless(data, static_cast<std::uint32_t>(round), round == 1);
    HeadlessObserver observer;
    GameController controller(headless.engine, headless.time, observer);
    HeadlessLoop loop(controller, observer, headless.time);

    loop.send(command::NewGame{});
    loop.send(command::SetOptions{headless_options(book)});
    loop.send(command::SetLevel{LEVEL_ITEMS[static_cast<std::size_t>(level)].parameters});
    // Pass by pass, so that a draw offer is answered before the next move.
    controller.command(command::ComputerAgainstComputer{});
    while (!observer.ended() && loop.step()) {
        // The computer offers a draw only in a dead ending; the other
        // computer agrees, as a player at the window would.
        if (controller.notices().draw_offered && !observer.ended()) {
            controller.command(command::AcceptDraw{});
        }
    }

    GameSummary summary;
    summary.outcome = observer.outcome();
    summary.plies = controller.game().num_demi_coup;
    summary.reason = std::string(observer.end_reason());
    PdnTags tags;
    tags.event = "Selvako selfplay";
    tags.date = today();
    tags.round = std::to_string(round);
    const std::string player = "Selvako, level " + std::to_string(level);
    tags.white = player;
    tags.black = player;
    tags.result = summary.outcome;
    summary.pdn =
        pdn_game(tags, PlayedGame{controller.game().historique.data(), summary.plies, WHITE});
    return summary;
}

} // namespace

int run_selfplay(const Arguments& args) {
    for (std::size_t i = 1; i < args.words.size(); ++i) {
        const auto w = args.words[i];
        if (w == "--level" || w == "--games" || w == "--pdn" || w == "--data")
            ++i;
        else if (w != "--no-book")
            return usage_error("unknown option '" + shown_input(w) + "'");
    }
    bool missing = false;
    const auto level_text = args.value_of("--level", missing);
    const auto games_text = args.value_of("--games", missing);
    const auto pdn = args.value_of("--pdn", missing);
    const auto data = args.value_of("--data", missing);
    if (missing) return usage_error("an option needs a value");
    if (!level_text || !games_text) return usage_error("selfplay needs --level and --games");
    const auto level = level_number(*level_text);
    if (!level) return usage_error("--level takes 0 to 8");
    int games = 0;
    const auto [end, ec] =
        std::from_chars(games_text->data(), games_text->data() + games_text->size(), games);
    if (ec != std::errc{} || end != games_text->data() + games_text->size() || games < 1 ||
        games > 100000)
        return usage_error("--games takes 1 to 100000");

    const std::filesystem::path chosen = data ? std::filesystem::path(*data) : "";
    const std::filesystem::path folder = data_folder(data ? &chosen : nullptr);
    int white_wins = 0;
    int draws = 0;
    int black_wins = 0;
    std::string record;
    for (int k = 1; k <= games; ++k) {
        const GameSummary game = play_one(folder, *level, !args.has_flag("--no-book"), k);
        white_wins += game.outcome == Outcome::white_won;
        draws += game.outcome == Outcome::draw;
        black_wins += game.outcome == Outcome::black_won;
        std::printf("game %d %s %d %s\n", k, pdn_result(game.outcome).c_str(), game.plies,
                    game.reason.c_str());
        std::fflush(stdout);
        if (pdn) {
            // The whole file again after each game: an interrupted run keeps
            // the games it finished.
            record += game.pdn;
            const std::span bytes(reinterpret_cast<const std::uint8_t*>(record.data()),
                                  record.size());
            if (!write_file_atomically(std::filesystem::path(*pdn), bytes)) {
                std::fprintf(stderr, "selvako-cli: cannot write %s\n", std::string(*pdn).c_str());
                return 1;
            }
        }
    }
    std::printf("total %d %d %d\n", white_wins, draws, black_wins);
    return 0;
}

} // namespace selvako::cli
