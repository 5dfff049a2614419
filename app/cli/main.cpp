// selvako-cli: the headless face of the engine.

#include <string_view>

#include "app/cli/commands.h"
#include "app/cli/help_texts.h"

int main(int argc, char** argv) {
    using namespace selvako::cli;
    Arguments args;
    for (int i = 1; i < argc; ++i) args.words.emplace_back(argv[i]);
    if (args.words.empty()) return usage_error("");
    const std::string_view command = args.words[0];
    if (command == "--help" || command == "-h") return run_help("");
    if (command == "--version") return run_version();
    if (command == "help") {
        if (args.words.size() > 2) return usage_error("help takes one command");
        return run_help(args.words.size() == 2 ? args.words[1] : "");
    }
    // "selvako-cli go --help" asks for the command's help, not a search.
    if (command_help(command) && args.has_flag("--help")) return run_help(command);
    if (command == "perft") return run_perft(args);
    if (command == "moves") return run_moves(args);
    if (command == "probe") return run_probe(args);
    if (command == "eval") return run_eval(args);
    if (command == "go") return run_go(args);
    if (command == "bench") return run_bench(args);
    if (command == "play") return run_play(args);
    if (command == "selfplay") return run_selfplay(args);
    if (command == "convert") return run_convert(args);
    if (command == "hub") return run_hub(args);
    if (command == "match") return run_match(args);
    if (command == "analyse") return run_analyse(args);
    return usage_error("unknown command '" + shown_input(command) + "'");
}
