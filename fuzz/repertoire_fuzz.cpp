// Opening repertoires: any lines, looked up move after move as the engine
// does, give at most MAX_CANDIDATES moves, each between two real squares,
// which the engine then plays. Each line read whole, as the editor shows it,
// gives real squares and a replay that stops at its first illegal move.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/repertoire.h"
#include "engine/repertoire_line.h"

using namespace selvako;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RepertoireLines lines;
    std::string line;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += static_cast<char>(data[i]);
        }
    }
    lines.push_back(line);
    sort_repertoire(lines);
    // Each replay sets up a whole move generator: a few lines per input keep
    // the runs quick.
    for (std::size_t k = 0; k < lines.size() && k < 8; ++k) {
        const std::string& text = lines[k];
        const std::vector<PlayedMove> moves = repertoire_line_moves(text);
        for (const PlayedMove& m : moves)
            if (m.from < 1 || m.from > NUM_SQUARES || m.to < 1 || m.to > NUM_SQUARES)
                __builtin_trap();
        const LineReplay replay = replay_line(moves);
        if (replay.moves.size() > moves.size() ||
            (replay.legal && replay.moves.size() != moves.size()))
            __builtin_trap();
        if (algebraic_line(moves).size() > 8 * moves.size()) __builtin_trap();
    }
    std::vector<PlayedMove> history;
    for (int ply = 0; ply < 30; ++ply) {
        const Candidates found = repertoire_lookup(lines, history);
        if (found.count < 0 || found.count > MAX_CANDIDATES) __builtin_trap();
        if (found.count == 0) break;
        for (int i = 0; i < found.count; ++i) {
            const PlayedMove& m = found.moves[static_cast<std::size_t>(i)];
            if (m.from < 1 || m.from > NUM_SQUARES || m.to < 1 || m.to > NUM_SQUARES)
                __builtin_trap();
        }
        history.push_back(found.moves[static_cast<std::size_t>(ply % found.count)]);
    }
    return 0;
}
