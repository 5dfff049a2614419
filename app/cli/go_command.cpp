#include <charconv>
#include <cstdio>
#include <random>
#include <sstream>

#include "app/cli/commands.h"
#include "app/cli/engine_setup.h"
#include "engine/engine_state.h"
#include "engine/make_move.h"
#include "engine/move_generation.h"
#include "game/levels.h"
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

// Plays "c3-d4 f6-e5 ..." on the request's board, recording the game; false
// (with a message) at the first move that is not legal.
bool play_moves(SearchRequest& request, std::string_view text, int& side) {
    EngineState st;
    st.allocate_move_lists();
    st.set_position(request.board);
    std::istringstream words{std::string(text)};
    std::string word;
    while (words >> word) {
        const bool capture = word.size() == 5 && word[2] == 'x';
        const Square from = parse_square(word.substr(0, 2));
        const Square to = word.size() == 5 ? parse_square(word.substr(3, 2)) : 0;
        const int n = generate_root_moves(st, side);
        const Move* moves = st.list(1);
        int found = -1;
        for (int i = 0; i < n && found < 0; ++i)
            if (moves[i].from == from && moves[i].to == to && (moves[i].taken > 0) == capture)
                found = i;
        if (found < 0) {
            std::fprintf(stderr, "selvako-cli: '%s' is not a legal move here\n", word.c_str());
            return false;
        }
        make_move(st, moves[found]);
        request.historique.push_back({from, to});
        side = 1 - side;
    }
    request.board = st.board;
    return true;
}

// The smallest budget whose planned time for this move reaches `seconds`.
std::int32_t budget_for_seconds(int seconds, int half_move) {
    std::int32_t budget = 1;
    while (budget < UNLIMITED_BUDGET - 1 &&
           plan_time(budget, UNLIMITED_SECONDS, half_move, 0, false, false).target < seconds)
        ++budget;
    return budget;
}

// One line per change of depth or line of play.
struct InfoPrinter {
    std::string last;
    void operator()(const SearchProgress& progress) {
        std::string line;
        for (const std::string& part : search_lines(progress)) {
            if (!line.empty()) line += " | ";
            line += part;
        }
        const auto depth_end = line.find(" | Noeuds");
        const auto pv_start = line.find("Coups");
        const std::string key = line.substr(0, depth_end) +
                                (pv_start == std::string::npos ? "" : line.substr(pv_start));
        if (key == last) return;
        last = key;
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
            return usage_error("unknown option '" + std::string(w) + "'");
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
    } else if (movetime) {
        const auto s = number(*movetime);
        if (!s || *s < 1 || *s > 3600) return usage_error("--movetime takes 1 to 3600 seconds");
        chosen_limits.budget_recherche = budget_for_seconds(*s, request.num_demi_coup);
        chosen_limits.temps_alloue = UNLIMITED_SECONDS;
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
