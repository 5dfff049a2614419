#include <charconv>
#include <chrono>
#include <cstdio>

#include "app/cli/commands.h"
#include "engine/perft.h"

namespace selvako::cli {

int run_perft(const Arguments& args) {
    if (args.words.size() < 2) return usage_error("perft needs a depth");
    const std::string_view depth_text = args.words[1];
    int depth = 0;
    auto [end, ec] =
        std::from_chars(depth_text.data(), depth_text.data() + depth_text.size(), depth);
    if (ec != std::errc{} || end != depth_text.data() + depth_text.size() || depth < 1 ||
        depth > 20)
        return usage_error("perft depth must be a number from 1 to 20");
    for (std::size_t i = 2; i < args.words.size(); ++i) {
        const auto w = args.words[i];
        if (w == "--fen") {
            ++i;
        } else if (w != "--divide" && w != "--unique") {
            return usage_error("unknown option '" + shown_input(w) + "'");
        }
    }
    const auto position = position_option(args);
    if (!position) return EXIT_USAGE;
    const bool unique = args.has_flag("--unique");

    EngineState st;
    st.set_position(position->board);
    const auto start = std::chrono::steady_clock::now();
    std::uint64_t total = 0;
    if (args.has_flag("--divide")) {
        for (const DivideEntry& e : perft_divide(st, position->side_to_move, depth, unique)) {
            std::printf("%s %llu\n", move_text(e.move).c_str(),
                        static_cast<unsigned long long>(e.nodes));
            total += e.nodes;
        }
        std::printf("perft %d %llu\n", depth, static_cast<unsigned long long>(total));
    } else {
        for (int d = 1; d <= depth; ++d) {
            const std::uint64_t nodes = perft(st, position->side_to_move, d, unique);
            std::printf("perft %d %llu\n", d, static_cast<unsigned long long>(nodes));
            std::fflush(stdout);
            total += nodes;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const auto nps = seconds > 0 ? static_cast<unsigned long long>(total / seconds) : 0ULL;
    std::printf("time %.3f nps %llu\n", seconds, nps);
    return 0;
}

} // namespace selvako::cli
