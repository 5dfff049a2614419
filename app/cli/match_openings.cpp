#include "app/cli/match_openings.h"

#include <sstream>

#include "app/cli/cli_options.h"
#include "engine/engine_state.h"
#include "engine/file_reading.h"
#include "engine/make_move.h"
#include "game/typed_move.h"

namespace selvako::cli {

namespace {

// The two-ply openings that a depth-10 search (no repertoire) scores within
// five hundredths of a man of an even game, for White to move; 42 of the 49.
// An openings file replaces them.
constexpr const char* BUILTIN[] = {
#include "app/cli/match_openings.inc"
};

// A file this long holds far more openings than any match plays.
constexpr std::uintmax_t MAX_OPENINGS_FILE = 1 << 20;

} // namespace

Opening parse_opening(const std::string& text, std::string& problem) {
    Opening opening;
    std::istringstream words(text);
    std::string word;
    const auto first = text.find_first_not_of(" \t");
    if (first != std::string::npos &&
        (text.compare(first, 2, "W:") == 0 || text.compare(first, 2, "B:") == 0)) {
        words >> word;
        const FenResult fen = parse_fen(word);
        if (!fen.position) {
            problem = "bad FEN '" + shown_input(word, 60) + "': " + fen.error;
            return {};
        }
        opening.start = *fen.position;
        opening.text = word;
    }
    EngineState st;
    st.allocate_move_lists();
    BoardArray board = opening.start.board;
    int side = opening.start.side_to_move;
    while (words >> word) {
        const auto typed = parse_typed_move(word);
        const TypedMoveResult found =
            typed ? match_typed_move(*typed, board, side, st) : TypedMoveResult{};
        if (found.match != TypedMoveMatch::one) {
            std::ostringstream message;
            message << '\'' << shown_input(word) << "' is not a legal move in the opening '"
                    << shown_input(text, 60) << '\'';
            problem = message.str();
            return {};
        }
        st.set_position(board);
        make_move(st, found.move.move);
        board = st.board;
        side = 1 - side;
        opening.moves.push_back(found.move.move);
        if (!opening.text.empty()) opening.text += ' ';
        opening.text += move_text(found.move.move);
    }
    return opening;
}

std::vector<Opening> read_openings(const std::filesystem::path& path, std::string& problem) {
    const FileBytesRead read = read_file_bytes(path, FileSize::at_most(MAX_OPENINGS_FILE));
    if (!read.ok()) {
        FileRefusal shown = *read.refusal;
        shown.path = shown_input(path.string(), 80);
        problem = "cannot read the openings " + refusal_line(shown);
        return {};
    }
    std::istringstream in(std::string(read.bytes.begin(), read.bytes.end()));
    std::vector<Opening> openings;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        Opening opening = parse_opening(line, problem);
        if (!problem.empty()) {
            std::string where = path.filename().string();
            where.append(" line ").append(std::to_string(number)).append(": ");
            problem = where.append(problem);
            return {};
        }
        openings.push_back(std::move(opening));
    }
    if (openings.empty()) problem = "no opening in " + shown_input(path.string(), 80);
    return openings;
}

std::vector<Opening> builtin_openings() {
    std::vector<Opening> openings;
    for (const char* text : BUILTIN) {
        std::string problem;
        openings.push_back(parse_opening(text, problem));
    }
    return openings;
}

} // namespace selvako::cli
