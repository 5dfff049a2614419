#pragma once
// A game as the text formats carry it, before it is replayed: the names, the
// result, the position it starts from when it was set up, and the moves as
// squares. Nothing here has been checked against the rules yet; the replay
// does that, move by move.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/board.h"
#include "engine/fen.h"
#include "engine/file_reading.h"
#include "files/fiche_coup.h"
#include "files/outcome.h"

namespace selvako {

struct GameMoveText {
    // The origin, then the landing squares the text names: only the last one
    // for "c3xe5", each in order for "c3xe5xg7".
    std::vector<Square> squares;
    bool capture = false;
    std::string comment; // the comments that follow the move, joined by a space
};

struct GameText {
    std::string white;
    std::string black;
    Outcome result = Outcome::none;
    // Set up positions only; a game from the opening position has none.
    std::optional<Position> start;
    // Every tag read, in order, as the file wrote it.
    std::vector<std::pair<std::string, std::string>> tags;
    std::vector<GameMoveText> moves;
};

struct GameTextFile {
    std::vector<GameText> games;
    std::string error; // one line naming what is wrong; no games then
};

// A move written "c3-d4", "C3xE5xG7", "10x19" or "c3:e5"; nothing when the
// word is not a move's form (a square that does not exist, a move number).
std::optional<GameMoveText> parse_move_word(std::string_view word);

// Drops a move number ("12." or "12...") from the front of a word: score
// sheets may glue it to White's move (" 1.c3-d4").
void drop_move_number(std::string_view& word);

// The line of the game chooser: " 2:White - Black".
std::string chooser_line(std::size_t index, const GameText& game);

// The ply records of a game as the writers read them: record[0] is the start
// position, record[1..plies] the plies played; `first_side` moved first.
struct PlayedGame {
    const FicheCoup* record = nullptr;
    int plies = 0;
    int first_side = WHITE;
};

// Names as the ply records hold them: at most 19 bytes, cut between
// characters so that a name in UTF-8 stays valid.
std::string cut_name(std::string_view name);

struct TextFileRead {
    std::string text;
    std::optional<FileRefusal> refusal; // set when nothing was read
    bool ok() const { return !refusal.has_value(); }
};

// A text file whole, or why not: larger than `cap`, not a regular file, ...
TextFileRead read_text_file(const std::filesystem::path& path, std::uintmax_t cap = TEXT_FILE_CAP);

} // namespace selvako
