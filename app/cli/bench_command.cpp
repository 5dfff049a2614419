#include <charconv>
#include <cstdio>
#include <random>

#include "app/cli/commands.h"
#include "app/cli/engine_setup.h"
#include "search/bench.h"
#include "search/search_clock.h"

namespace selvako::cli {

int run_bench(const Arguments& args) {
    int depth = BENCH_DEPTH;
    if (args.words.size() > 2) return usage_error("bench takes at most a depth");
    if (args.words.size() == 2) {
        const auto text = args.words[1];
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), depth);
        if (ec != std::errc{} || end != text.data() + text.size() || depth < 1 || depth > 30)
            return usage_error("bench depth must be a number from 1 to 30");
    }
    SteadySearchClock clock;
    Engine engine(clock, std::random_device{}());
    load_engine(engine, data_folder(nullptr));
    const BenchResult result = selvako::run_bench(engine, depth, [](int i, std::uint64_t n) {
        std::printf("position %2d nodes %llu\n", i + 1, static_cast<unsigned long long>(n));
    });
    const auto nps =
        result.seconds > 0 ? static_cast<unsigned long long>(result.nodes / result.seconds) : 0ULL;
    std::printf("bench nodes %llu time %.3f nps %llu\n",
                static_cast<unsigned long long>(result.nodes), result.seconds, nps);
    return 0;
}

} // namespace selvako::cli
