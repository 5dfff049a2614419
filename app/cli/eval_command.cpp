#include <cstdio>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "app/cli/commands.h"
#include "eval/evaluate.h"

namespace selvako::cli {

namespace {

const char* phase_name(int phase) {
    static const char* NAMES[] = {"opening", "middle game", "pre-final", "final"};
    return NAMES[phase & 3];
}

void print_terms(const EvalBreakdown& t) {
    if (t.lazy_exit) {
        std::printf("  material %d (material alone decides)\n", t.material);
        return;
    }
    const std::pair<const char*, int> terms[] = {
        {"material", t.material},
        {"long diagonal", t.long_diagonal},
        {"square tables", t.square_tables},
        {"tempo", t.tempo},
        {"centre", t.centre},
        {"wing balance", t.wing_balance},
        {"clamp 45", t.clamp_45},
        {"opening wings", t.opening_wings},
        {"back rank", t.back_rank},
        {"man safety", t.man_safety},
        {"hanging piece", t.hanging_piece},
        {"clamp 170", t.clamp_170},
        {"promotion", t.promotion},
        {"two kings ending", t.two_kings_ending},
        {"breakthrough", t.breakthrough},
        {"root man move", t.root_man_move},
        {"endings", t.endings},
        {"quarter", t.quarter},
    };
    for (const auto& [name, value] : terms) std::printf("  %s %d\n", name, value);
    std::printf("  total %d\n", t.total);
}

} // namespace

int run_eval(const Arguments& args) {
    for (std::size_t i = 1; i < args.words.size(); ++i) {
        if (args.words[i] == "--fen")
            ++i;
        else if (args.words[i] != "--terms")
            return usage_error("unknown option '" + shown_input(args.words[i]) + "'");
    }
    if (!args.has_flag("--fen")) return usage_error("eval needs --fen");
    const auto position = position_option(args);
    if (!position) return EXIT_USAGE;

    EvalState eval;
    const auto parameter_path = data_folder(nullptr) / "defaut.par";
    if (const FileLoad load =
            load_parameter_file(eval.parameters, eval.parameter_image, parameter_path);
        !load) {
        std::cerr << "selvako-cli: " << FILE_OPEN_ERROR << ": " << refusal_line(*load.refusal)
                  << " (the build writes it; run the build first)\n";
        return 1;
    }
    EngineState st;
    st.set_position(position->board);
    // A search picks the variant's tables from the next search on: prepare
    // twice, as a game that has been in this position's variant for a move.
    prepare_evaluation(eval, st, position->side_to_move);
    prepare_evaluation(eval, st, position->side_to_move);

    const bool terms = args.has_flag("--terms");
    if (terms) {
        std::printf("phase %s%s; terms in 1/200 of a man\n", phase_name(eval.root_phase),
                    eval.variant1   ? ", variant 1"
                    : eval.variant2 ? ", variant 2"
                                    : "");
    }
    for (int side : {WHITE, BLACK}) {
        const Score score = evaluate_for_display(eval, st, side);
        std::printf("eval %s %d\n", side == WHITE ? "white" : "black", score / 2);
        if (terms) print_terms(evaluate_breakdown(eval, st, side, -32000, 32000));
    }
    return 0;
}

} // namespace selvako::cli
