#include <cstdio>

#include "app/cli/commands.h"
#include "engine/move_generation.h"

namespace selvako::cli {

int run_moves(const Arguments& args) {
    for (std::size_t i = 1; i < args.words.size(); ++i) {
        if (args.words[i] == "--fen")
            ++i;
        else
            return usage_error("unknown option '" + shown_input(args.words[i]) + "'");
    }
    if (!args.has_flag("--fen")) return usage_error("moves needs --fen");
    const auto position = position_option(args);
    if (!position) return EXIT_USAGE;

    EngineState st;
    st.set_position(position->board);
    st.ordering_enabled = false;
    const int count = generate_root_moves(st, position->side_to_move);
    for (int i = 0; i < count; ++i) {
        const Move& m = st.list(1)[i];
        std::printf("%s", move_text(m).c_str());
        for (int c = 0; c < m.taken; ++c)
            std::printf("%s%s", c == 0 ? " " : ",", SQUARE_NAMES[m.captured[c]].data());
        std::printf("\n");
    }
    return 0;
}

} // namespace selvako::cli
