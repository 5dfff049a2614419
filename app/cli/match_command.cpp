// `match`: two engine set-ups play each other from balanced openings, each
// opening once with each colour, two games at a time.

#include <atomic>
#include <charconv>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <sstream>
#include <thread>

#include "app/cli/commands.h"
#include "app/cli/engine_setup.h"
#include "app/cli/hub_player.h"
#include "app/cli/match_openings.h"
#include "eval/parameters.h"
#include "files/pdn_file.h"
#include "game/engine_player.h"
#include "game/match_game.h"
#include "game/match_statistics.h"
#include "search/engine_tables.h"

namespace selvako::cli {

namespace {

// One side of the match as the options describe it.
struct SideSetup {
    std::optional<std::filesystem::path> parameters;
    int table = DEFAULT_TABLE_SIZE;
    std::string hub; // an external program when not empty
};

struct MatchSetup {
    std::filesystem::path data;
    SideSetup a;
    SideSetup b;
    MoveLimit limit;
    bool repertoire = false;
};

std::optional<double> real(std::string_view text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> whole(std::string_view text, std::int64_t low, std::int64_t high) {
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

// A player and what it owns: an engine of its own, or a running program.
struct SidePlayer {
    std::unique_ptr<SearchClock> clock;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<MatchPlayer> player;
    EnginePlayer* engine_player = nullptr;
    std::string problem;
};

SidePlayer make_player(const MatchSetup& setup, const SideSetup& side, std::uint32_t seed) {
    SidePlayer made;
    if (!side.hub.empty()) {
        auto hub = std::make_unique<HubPlayer>(side.hub, setup.limit);
        if (!hub->ready()) made.problem = hub->problem();
        made.player = std::move(hub);
        return made;
    }
    made.clock = std::make_unique<SteadySearchClock>();
    made.engine = std::make_unique<Engine>(*made.clock, seed);
    made.engine->load({setup.data, {}});
    made.engine->resize_table(side.table);
    if (side.parameters) {
        EvalState& eval = made.engine->tables().eval;
        if (const FileLoad load =
                load_parameter_file(eval.parameters, eval.parameter_image, *side.parameters);
            !load)
            made.problem = "cannot read the parameters " + refusal_line(*load.refusal);
    }
    auto player = std::make_unique<EnginePlayer>(*made.engine, setup.limit, setup.repertoire);
    made.engine_player = player.get();
    made.player = std::move(player);
    return made;
}

struct GameLine {
    int number = 0;
    int opening = 0;
    bool a_white = true;
    MatchGameResult result;
};

// Wins, draws and losses of A, in all and by A's colour.
struct Tally {
    MatchScore all;
    MatchScore a_white;
    MatchScore a_black;
    void add(const GameLine& game) {
        const Outcome a_won = game.a_white ? Outcome::white_won : Outcome::black_won;
        MatchScore& colour = game.a_white ? a_white : a_black;
        for (MatchScore* score : {&all, &colour}) {
            if (game.result.outcome == Outcome::draw)
                ++score->draws;
            else if (game.result.outcome == a_won)
                ++score->wins;
            else
                ++score->losses;
        }
    }
};

std::string score_line(const char* label, const MatchScore& s) {
    return std::string(label) + " wins " + std::to_string(s.wins) + " draws " +
           std::to_string(s.draws) + " losses " + std::to_string(s.losses);
}

std::string number(double value, int decimals) {
    // No "-0.0" for a value that rounds to nothing.
    const double scale = std::pow(10.0, decimals);
    if (std::round(value * scale) == 0.0) value = 0.0;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string elo_text(const std::optional<double>& elo) {
    return elo ? number(*elo, 1) : "inf";
}

// The time each engine side took per move, when the moves had a time.
struct MoveTimes {
    std::int64_t count = 0;
    std::int64_t total_ms = 0;
    std::int64_t max_ms = 0;
    void add(std::int64_t ms) {
        ++count;
        total_ms += ms;
        max_ms = std::max(max_ms, ms);
    }
};

// Asks the inner player and notes how long each move took.
class TimedPlayer final : public MatchPlayer {
  public:
    TimedPlayer(SidePlayer& side, MoveTimes& times, std::mutex& mutex)
        : m_side(side), m_times(times), m_mutex(mutex) {}
    void new_game() override { m_side.player->new_game(); }
    std::optional<Move> choose(const MatchPosition& game) override {
        const auto move = m_side.player->choose(game);
        if (m_side.engine_player) {
            std::lock_guard lock(m_mutex);
            m_times.add(m_side.engine_player->last_move_ms());
        }
        return move;
    }

  private:
    SidePlayer& m_side;
    MoveTimes& m_times;
    std::mutex& m_mutex;
};

} // namespace

int run_match(const Arguments& args) {
    static const std::vector<std::string_view> VALUED = {
        "--depth", "--nodes", "--movetime", "--games", "--openings", "--params-a", "--params-b",
        "--table-a", "--table-b", "--hub-a", "--hub-b", "--threads", "--elo0", "--elo1",
        "--alpha", "--beta", "--data"};
    int limits = 0;
    for (std::size_t i = 1; i < args.words.size(); ++i) {
        const auto w = args.words[i];
        if (w == "--depth" || w == "--nodes" || w == "--movetime") ++limits;
        if (std::find(VALUED.begin(), VALUED.end(), w) != VALUED.end())
            ++i;
        else if (w != "--book" && w != "--until-verdict")
            return usage_error("unknown option '" + shown_input(w) + "'");
    }
    if (limits > 1) return usage_error("give one of --depth, --nodes and --movetime");
    bool missing = false;
    std::map<std::string_view, std::string_view> value;
    for (const auto name : VALUED)
        if (const auto v = args.value_of(name, missing)) value[name] = *v;
    if (missing) return usage_error("an option needs a value");

    MatchSetup setup;
    const std::filesystem::path chosen = value.count("--data") ? value["--data"] : "";
    setup.data = data_folder(value.count("--data") ? &chosen : nullptr);
    setup.repertoire = args.has_flag("--book");
    const bool until_verdict = args.has_flag("--until-verdict");
    setup.limit = {MoveLimit::Kind::depth, 6};
    if (value.count("--depth")) {
        const auto d = whole(value["--depth"], 1, 30);
        if (!d) return usage_error("--depth takes 1 to 30");
        setup.limit = {MoveLimit::Kind::depth, *d};
    } else if (value.count("--nodes")) {
        const auto n = whole(value["--nodes"], 1, INT64_MAX);
        if (!n) return usage_error("--nodes takes a positive number");
        setup.limit = {MoveLimit::Kind::nodes, *n};
    } else if (value.count("--movetime")) {
        const auto s = real(value["--movetime"]);
        if (!s || *s < 0.01 || *s > 3600) return usage_error("--movetime takes 0.01 to 3600 seconds");
        setup.limit = {MoveLimit::Kind::time, std::llround(*s * 1000)};
    }
    for (auto [name, side] : {std::pair{"-a", &setup.a}, std::pair{"-b", &setup.b}}) {
        const std::string params = std::string("--params") + name;
        const std::string table = std::string("--table") + name;
        const std::string hub = std::string("--hub") + name;
        if (value.count(params)) side->parameters = std::filesystem::path(value[params]);
        if (value.count(table)) {
            const auto t = whole(value[table], 0, static_cast<std::int64_t>(TABLE_SIZES.size()) - 1);
            if (!t) return usage_error(table + " takes 0 to " + std::to_string(TABLE_SIZES.size() - 1));
            side->table = static_cast<int>(*t);
        }
        if (value.count(hub)) side->hub = std::string(value[hub]);
    }
    SprtSettings sprt_settings;
    for (auto [name, field] : {std::pair{"--elo0", &sprt_settings.elo0},
                               std::pair{"--elo1", &sprt_settings.elo1},
                               std::pair{"--alpha", &sprt_settings.alpha},
                               std::pair{"--beta", &sprt_settings.beta}}) {
        if (!value.count(name)) continue;
        const auto v = real(value[name]);
        if (!v) return usage_error(std::string(name) + " takes a number");
        *field = *v;
    }
    if (!sprt(MatchScore{}, sprt_settings))
        return usage_error("the SPRT needs elo1 above elo0 and alpha, beta in (0, 0.5]");
    int threads = 2;
    if (value.count("--threads")) {
        const auto t = whole(value["--threads"], 1, 2);
        if (!t) return usage_error("--threads takes 1 or 2");
        threads = static_cast<int>(*t);
    }

    std::vector<Opening> openings;
    if (value.count("--openings")) {
        std::string problem;
        openings = read_openings(std::filesystem::path(value["--openings"]), problem);
        if (!problem.empty()) {
            std::fprintf(stderr, "selvako-cli: %s\n", problem.c_str());
            return 1;
        }
    } else {
        openings = builtin_openings();
    }
    int games = static_cast<int>(openings.size()) * 2;
    if (value.count("--games")) {
        const auto g = whole(value["--games"], 2, 100000);
        if (!g || *g % 2) return usage_error("--games takes an even number from 2 to 100000");
        games = static_cast<int>(*g);
    }
    // A program that dies mid-game must not take the match with it.
    std::signal(SIGPIPE, SIG_IGN);
    {
        // Each player loads the data again; a problem is said once.
        SteadySearchClock clock;
        Engine first(clock, 0);
        load_engine(first, setup.data);
    }

    std::mutex mutex;
    std::atomic<int> next{0};
    std::map<int, GameLine> finished;
    int printed = 0;
    Tally tally;
    SequentialTest test(sprt_settings);
    MoveTimes times_a;
    MoveTimes times_b;
    std::string failure;
    auto worker = [&](int thread) {
        SidePlayer a = make_player(setup, setup.a, static_cast<std::uint32_t>(2 * thread + 1));
        SidePlayer b = make_player(setup, setup.b, static_cast<std::uint32_t>(2 * thread + 2));
        if (!a.problem.empty() || !b.problem.empty()) {
            std::lock_guard lock(mutex);
            failure = !a.problem.empty() ? "A: " + a.problem : "B: " + b.problem;
            next = games;
            return;
        }
        TimedPlayer timed_a(a, times_a, mutex);
        TimedPlayer timed_b(b, times_b, mutex);
        for (int k = next++; k < games; k = next++) {
            GameLine line;
            line.number = k + 1;
            line.opening = (k / 2) % static_cast<int>(openings.size());
            line.a_white = k % 2 == 0;
            const Opening& opening = openings[static_cast<std::size_t>(line.opening)];
            line.result = line.a_white
                              ? play_match_game(timed_a, timed_b, opening.start, opening.moves)
                              : play_match_game(timed_b, timed_a, opening.start, opening.moves);
            std::lock_guard lock(mutex);
            finished[k] = line;
            // Lines come out in game order, whichever thread finishes first.
            while (finished.count(printed)) {
                const GameLine& done = finished[printed];
                tally.add(done);
                // Games already begun are played out; no new one starts.
                if (until_verdict) {
                    test.after(tally.all);
                    if (test.decided()) next = games;
                }
                std::printf("game %d opening %d \"%s\" a=%s %s %zu %s\n", done.number,
                            done.opening + 1,
                            openings[static_cast<std::size_t>(done.opening)].text.c_str(),
                            done.a_white ? "white" : "black",
                            pdn_result(done.result.outcome).c_str(),
                            done.result.moves.size(), std::string(game_end_text(done.result.end)).c_str());
                std::fflush(stdout);
                finished.erase(printed++);
            }
        }
    };
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t) pool.emplace_back(worker, t);
    for (std::thread& t : pool) t.join();
    if (!failure.empty()) {
        std::fprintf(stderr, "selvako-cli: %s\n", failure.c_str());
        return 1;
    }

    const MatchScore& s = tally.all;
    std::printf("%s games %d score %s%%\n", score_line("a", s).c_str(), s.games(),
                number(100.0 * estimate_elo(s).score, 1).c_str());
    std::printf("%s\n", score_line("a as white", tally.a_white).c_str());
    std::printf("%s\n", score_line("a as black", tally.a_black).c_str());
    const EloEstimate elo = estimate_elo(s);
    std::printf("elo %s interval %s %s\n", elo_text(elo.elo).c_str(), elo_text(elo.low).c_str(),
                elo_text(elo.high).c_str());
    // Games begun before the verdict are in the score, not in the verdict.
    const auto verdict = until_verdict ? test.after(s) : sprt(s, sprt_settings);
    std::printf("sprt elo0 %s elo1 %s alpha %s beta %s llr %s lower %s upper %s %s\n",
                number(sprt_settings.elo0, 1).c_str(), number(sprt_settings.elo1, 1).c_str(),
                number(sprt_settings.alpha, 3).c_str(), number(sprt_settings.beta, 3).c_str(),
                number(verdict->llr, 3).c_str(), number(verdict->lower, 3).c_str(),
                number(verdict->upper, 3).c_str(), verdict_text(verdict->verdict).c_str());
    if (setup.limit.kind == MoveLimit::Kind::time) {
        for (auto [label, times] : {std::pair{"a", &times_a}, std::pair{"b", &times_b}}) {
            if (times->count == 0) continue;
            std::printf("move time %s moves %lld mean %s max %s\n", label,
                        static_cast<long long>(times->count),
                        number(static_cast<double>(times->total_ms) / times->count / 1000.0, 3).c_str(),
                        number(static_cast<double>(times->max_ms) / 1000.0, 3).c_str());
        }
    }
    return 0;
}

} // namespace selvako::cli
