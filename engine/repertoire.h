#pragma once
// The opening repertoires as the engine reads them: two lists of text lines,
// one per colour, each line a sequence of moves from the start ("22-18  9-14 "
// as the program writes them, "22x18 9-14" as a user may type them). The
// lookup gives the moves that continue every line agreeing with the game so far.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/file_reading.h"

namespace selvako {

struct PlayedMove {
    Square from = 0;
    Square to = 0;
    // Whether it took pieces, for the texts that write "x"; the lookup
    // needs only the squares.
    bool capture = false;
};

using RepertoireLines = std::vector<std::string>;

struct Repertoires {
    RepertoireLines white;
    RepertoireLines black;
    const RepertoireLines& of(int side) const { return side == BLACK ? black : white; }
};

inline constexpr const char* WHITE_REPERTOIRE_FILE = "Ouvert_b.ouv";
inline constexpr const char* BLACK_REPERTOIRE_FILE = "Ouvert_n.ouv";

// A repertoire holds some thousands of lines; a file past this is refused.
inline constexpr std::uintmax_t MAX_REPERTOIRE_BYTES = 4u << 20;

// The lines of a .ouv file (CR LF or LF), sorted as the editor's list keeps
// them: alphabetically without regard to case. Nothing when the file cannot
// be read, is not a plain file or is larger than MAX_REPERTOIRE_BYTES; the
// reason then goes into `refusal`, if given.
std::optional<RepertoireLines> read_repertoire(const std::string& path,
                                               FileRefusal* refusal = nullptr);

// Sorts lines the way the repertoire list does.
void sort_repertoire(RepertoireLines& lines);

inline constexpr int MAX_CANDIDATES = 20;
// Longer lines are cut to this many characters.
inline constexpr std::size_t MAX_LINE_CHARS = 511;

struct Candidates {
    std::array<PlayedMove, MAX_CANDIDATES> moves{};
    int count = 0;
};

// The moves of a line read as the lookup reads them, up to the first that
// does not name two squares (the end of the line, or text that is no move).
std::vector<PlayedMove> repertoire_line_moves(const std::string& line);

// `history` holds the plies played so far, the first ply first; the
// candidates are the moves number history.size() + 1 of every line whose
// earlier moves are exactly those, in the order found, a candidate equal to
// the one found just before it being skipped.
Candidates repertoire_lookup(const RepertoireLines& lines, std::span<const PlayedMove> history);

} // namespace selvako
