#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>

#include "app/cli/commands.h"
#include "app/cli/engine_setup.h"
#include "engine/engine_state.h"
#include "engine/make_move.h"
#include "engine/move_generation.h"
#include "files/game_file.h"
#include "game/levels.h"
#include "game/move_time.h"
#include "game/typed_move.h"
#include "search/move_deadline.h"
#include "search/search.h"
#include "ui/calcul/search_lines.h"

namespace selvako::cli {

namespace {

std::optional<int> number(std::string_view text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Seconds with decimals, as a whole number of milliseconds.
std::optional<std::int64_t> milliseconds(std::string_view text) {
    double seconds = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (ec != std::errc{} || end != text.data() + text.size() || !(seconds >= 0.1) ||
        seconds > 3600)
        return std::nullopt;
    return std::llround(seconds * 1000);
}

// Plays "c3-d4 f6-e5 ..." on the request's board, recording the game; false
// (with a message) at the first word that is not a legal move in one of the
// notations the move list and the typed input use, or past a full record.
bool play_moves(SearchRequest& request, std::string_view text, int& side) {
    EngineState st;
    st.allocate_move_lists();
    st.set_position(request.board);
    std::istringstream words{std::string(text)};
    std::string word;
    while (words >> word) {
        if (request.historique.size() >= static_cast<std::size_t>(LAST_GAME_PLY)) {
            std::fprintf(stderr, "selvako-cli: more than %d plies\n", LAST_GAME_PLY);
            return false;
        }
        const auto typed = parse_typed_move(word);
        const TypedMoveResult found =
            typed ? match_typed_move(*typed, st.board, side, st) : TypedMoveResult{};
        if (found.match != TypedMoveMatch::one) {
            std::fprintf(stderr, "selvako-cli: '%s' is not a legal move here\n",
                         shown_input(word).c_str());
            return false;
        }
        const Move move = found.move.move;
        st.set_position(request.board);
        make_move(st, move);
        request.board = st.board;
        request.historique.push_back({move.from, move.to});
        side = 1 - side;
    }
    return true;
}

// The same ply as the page shows it: squares and whether it takes.
bool same_shown(const Move& a, const Move& b) {
    return a.from == b.from && a.to == b.to && (a.taken > 0) == (b.taken > 0);
}

// One line, the Calcul page's lines joined, per change of depth or line of play.
struct InfoPrinter {
    bool printed = false;
    int depth = 0;
    std::vector<Move> pv;
    void operator()(const SearchProgress& progress) {
        if (printed && progress.depth == depth &&
            std::equal(pv.begin(), pv.end(), progress.pv.begin(), progress.pv.end(), same_shown))
            return;
        printed = true;
        depth = progress.depth;
        pv = progress.pv;
        std::string line;
        for (const std::string& part : search_lines(progress)) {
            if (!line.empty()) line += " | ";
            line += part;
        }
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
    }
};

} // namespace

int run_go(const Arguments& args) {
    int limits = 0;
    for (std::size_t i = 1; i < args.words.size(); ++i) {
        const auto w = args.words[i];
        if (w == "--depth" || w == "--level" || w == "--movetime") ++limits;
        if (w == "--fen" || w == "--depth" || w == "--level" || w == "--movetime" ||
            w == "--moves" || w == "--data")
            ++i;
        else if (w != "--no-book")
            return usage_error("unknown option '" + shown_input(w) + "'");
    }
    if (limits > 1) return usage_error("give one of --depth, --level and --movetime");
    const auto position = position_option(args);
    if (!position) return EXIT_USAGE;
    bool missing = false;
    const auto data = args.value_of("--data", missing);
    const auto depth = args.value_of("--depth", missing);
    const auto level = args.value_of("--level", missing);
    const auto movetime = args.value_of("--movetime", missing);
    const auto moves = args.value_of("--moves", missing);
    if (missing) return usage_error("an option needs a value");

    const std::filesystem::path chosen = data ? std::filesystem::path(*data) : "";
    SteadySearchClock clock;
    Engine engine(clock, std::random_device{}());
    load_engine(engine, data_folder(data ? &chosen : nullptr));
    SearchRequest request;
    SearchLimits& chosen_limits = request.limits;
    chosen_limits.repertoire = !args.has_flag("--no-book");
    request.board = position->board;
    int side = position->side_to_move;
    if (moves && !play_moves(request, *moves, side)) return EXIT_USAGE;
    request.trait = static_cast<std::uint8_t>(side);
    request.num_demi_coup = static_cast<std::uint8_t>(request.historique.size());

    const LevelParameters excellence = LEVEL_ITEMS[5].parameters;
    chosen_limits.budget_recherche = excellence.budget_recherche;
    chosen_limits.temps_alloue = excellence.temps_alloue;
    if (depth) {
        const auto d = number(*depth);
        if (!d || *d < 1 || *d > MAX_ITERATION) return usage_error("--depth takes 1 to 30");
        chosen_limits.budget_recherche = UNLIMITED_BUDGET;
        chosen_limits.temps_alloue = UNLIMITED_SECONDS;
        chosen_limits.depth = *d;
    } else if (level) {
        const auto n = number(*level);
        if (!n || *n < 0 || *n > 8) return usage_error("--level takes 0 to 8");
        chosen_limits.budget_recherche = LEVEL_ITEMS[*n].parameters.budget_recherche;
        chosen_limits.temps_alloue = LEVEL_ITEMS[*n].parameters.temps_alloue;
    }
    std::int64_t movetime_ms = 0;
    if (movetime) {
        const auto ms = milliseconds(*movetime);
        if (!ms) return usage_error("--movetime takes 0.1 to 3600 seconds");
        movetime_ms = *ms;
        chosen_limits.budget_recherche = budget_for_seconds(
            static_cast<int>((movetime_ms + 999) / 1000), request.num_demi_coup);
        chosen_limits.temps_alloue = UNLIMITED_SECONDS;
    }

    // The level's plan works in whole seconds; the time asked for is kept to
    // the millisecond.
    MoveDeadline deadline;
    if (movetime) {
        deadline.start(movetime_ms);
        engine.on_poll = [&] {
            if (deadline.passed()) engine.stop();
        };
    }
    InfoPrinter printer;
    engine.on_progress = std::ref(printer);
    const SearchResult result = engine.search(request);
    if (result.answer == SearchAnswer::no_move) {
        std::printf("bestmove none\n");
        return 0;
    }
    const bool searched = result.nodes > 0;
    std::printf("bestmove %s score %d\n", move_text(result.move).c_str(),
                searched ? result.score / 2 : 0);
    return 0;
}

} // namespace selvako::cli
