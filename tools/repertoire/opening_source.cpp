#include "tools/repertoire/opening_source.h"

#include <fstream>
#include <sstream>

#include "engine/fen.h"
#include "engine/repertoire_line.h"

namespace selvako {

namespace {

// "c3-d4", "d4xb6" or "d4xb6xd8": the first and the last square.
bool parse_move(const std::string& word, PlayedMove& move) {
    if (word.size() < 5 || (word.size() - 2) % 3 != 0) return false;
    for (std::size_t i = 2; i < word.size(); i += 3)
        if (word[i] != '-' && word[i] != 'x') return false;
    move.from = parse_square(word.substr(0, 2));
    move.to = parse_square(word.substr(word.size() - 2));
    return move.from != 0 && move.to != 0;
}

} // namespace

OpeningSource read_opening_source(const std::string& path) {
    OpeningSource source;
    std::ifstream in(path);
    if (!in) {
        source.error = path + ": cannot be read";
        return source;
    }
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        const auto hash = text.find('#');
        const std::string body = text.substr(0, hash);
        std::istringstream words(body);
        std::string colours;
        if (!(words >> colours)) continue;
        SourceLine line;
        line.number = number;
        line.white = colours == "W" || colours == "WB";
        line.black = colours == "B" || colours == "WB";
        if (!line.white && !line.black) {
            source.error = path + ":" + std::to_string(number) + ": no W, B or WB first";
            return source;
        }
        if (hash != std::string::npos) line.name = text.substr(hash + 1);
        std::string word;
        while (words >> word) {
            PlayedMove move;
            if (!parse_move(word, move)) {
                source.error = path + ":" + std::to_string(number) + ": '" + word + "' is no move";
                return source;
            }
            line.moves.push_back(move);
        }
        const LineReplay replay = replay_line(line.moves);
        if (!replay.legal || line.moves.empty()) {
            source.error = path + ":" + std::to_string(number) + ": move " +
                           std::to_string(replay.moves.size() + 1) + " is not legal (" +
                           algebraic_line(line.moves) + ")";
            return source;
        }
        source.lines.push_back(std::move(line));
    }
    return source;
}

} // namespace selvako
