// Searches the last position of every line of the repertoires in a data
// folder at a fixed depth, and fails when the side whose repertoire it is
// stands worse than a threshold there: the computer follows these lines
// without a search, so a line must not lead it into a lost game.
//
//   check_repertoire DATA_FOLDER [DEPTH [THRESHOLD]]
//
// Scores are the engine's (a man is 200), from the repertoire owner's side.
// The default threshold, -150, is three quarters of a man: the positional
// terms of an opening position stay well inside it, while a man lost
// without compensation, or a shot the owner cannot meet, falls below it.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/repertoire_line.h"
#include "search/engine.h"
#include "search/engine_tables.h"
#include "search/time_budget.h"

using namespace selvako;

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: check_repertoire DATA_FOLDER [DEPTH [THRESHOLD]]\n");
        return 2;
    }
    const std::filesystem::path data = argv[1];
    const int depth = argc > 2 ? std::atoi(argv[2]) : 10;
    const int threshold = argc > 3 ? std::atoi(argv[3]) : -150;
    SteadySearchClock clock;
    Engine engine(clock, 1);
    for (const std::string& problem : engine.load({data, {}}))
        std::fprintf(stderr, "check_repertoire: %s\n", problem.c_str());

    int failures = 0;
    for (const int owner : {WHITE, BLACK}) {
        const Repertoires& lists = engine.tables().repertoires;
        const RepertoireLines& lines = lists.of(owner);
        if (lines.empty()) {
            std::printf("%s repertoire: no line\n", owner == WHITE ? "White" : "Black");
            ++failures;
            continue;
        }
        int worst = 32000;
        long long sum = 0;
        for (const std::string& line : lines) {
            const std::vector<PlayedMove> moves = repertoire_line_moves(line);
            const LineReplay replay = replay_line(moves);
            if (!replay.legal) {
                std::printf("ILLEGAL %s\n", algebraic_line(moves).c_str());
                ++failures;
                continue;
            }
            engine.clear_table();
            SearchRequest request;
            request.board = replay.board;
            request.trait = static_cast<std::uint8_t>(replay.side_to_move);
            request.num_demi_coup = static_cast<std::uint8_t>(moves.size());
            request.historique = moves;
            request.limits.budget_recherche = UNLIMITED_BUDGET;
            request.limits.temps_alloue = UNLIMITED_SECONDS;
            request.limits.repertoire = false;
            request.limits.ponder = true;
            request.limits.depth = depth;
            const SearchResult result = engine.search(request);
            const int score = replay.side_to_move == owner ? result.score : -result.score;
            worst = std::min(worst, score);
            sum += score;
            const bool lost = result.answer == SearchAnswer::no_move ? replay.side_to_move == owner
                                                                     : score < threshold;
            if (lost) ++failures;
            std::printf("%s %6d  %s\n", lost ? "LOST" : "ok  ", score,
                        algebraic_line(moves).c_str());
        }
        std::printf("%s repertoire: %zu lines, worst %d, mean %lld (depth %d, threshold %d)\n",
                    owner == WHITE ? "White" : "Black", lines.size(), worst,
                    sum / static_cast<long long>(lines.size()), depth, threshold);
    }
    std::printf("%d line(s) rejected\n", failures);
    return failures == 0 ? 0 : 1;
}
