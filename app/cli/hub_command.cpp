// `hub`: the Hub protocol on standard input and output.

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <random>
#include <thread>

#include <unistd.h>

#include "app/cli/commands.h"
#include "app/cli/engine_setup.h"
#include "app/cli/hub_session.h"
#include "game/hub_line.h"

namespace selvako::cli {

namespace {

// Reads standard input line by line into the queue. A line longer than the
// protocol allows is cut (the parser then refuses it) and the rest of it
// skipped, so that no input can make the engine hold more than one line.
// It reads the descriptor itself, not through stdio: a thread blocked in
// stdio would hold the lock that the program's exit takes.
void read_lines(LineQueue& queue) {
    std::string line;
    bool too_long = false;
    char buffer[4096];
    while (true) {
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        for (ssize_t i = 0; i < got; ++i) {
            const char c = buffer[i];
            if (c == '\n') {
                queue.push(std::move(line));
                line.clear();
                too_long = false;
            } else if (!too_long) {
                line += c;
                too_long = line.size() > MAX_HUB_LINE;
            }
        }
    }
    if (!line.empty()) queue.push(std::move(line));
    queue.close();
}

} // namespace

int run_hub(const Arguments& args) {
    for (std::size_t i = 1; i < args.words.size(); ++i) {
        if (args.words[i] == "--data")
            ++i;
        else
            return usage_error("unknown option '" + shown_input(args.words[i]) + "'");
    }
    bool missing = false;
    const auto data = args.value_of("--data", missing);
    if (missing) return usage_error("an option needs a value");
    const std::filesystem::path chosen = data ? std::filesystem::path(*data) : "";

    SteadySearchClock clock;
    Engine engine(clock, std::random_device{}());
    load_engine(engine, data_folder(data ? &chosen : nullptr));
    LineQueue input;
    // Detached: at "quit" the reader may still wait on the input, and the
    // process ends without it.
    std::thread(read_lines, std::ref(input)).detach();
    HubSession session(engine, input, std::cout);
    session.run();
    std::cout.flush();
    return 0;
}

} // namespace selvako::cli
