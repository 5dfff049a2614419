#pragma once
// Games as Portable Draughts Notation, the exchange format of the draughts
// world: tags, then the moves in algebraic squares (c3-d4, d4xf6), as PDN
// writes games of GameType 26, draughts on 8x8 under the international
// rules. The reader takes files of many games, comments in braces,
// variations in parentheses (passed over), move numbers, algebraic squares
// and the numbers PDN files use on this board (1 = a1, 32 = h8).

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "files/game_text.h"

namespace selvako {

// A file of PDN games may be long; beyond this it is refused, not cut.
inline constexpr std::size_t PDN_FILE_LIMIT = TEXT_FILE_CAP;

struct PdnTags {
    std::string event = "?";
    std::string site = "?";
    std::string date = "????.??.??"; // YYYY.MM.DD
    std::string round = "?";
    std::string white;
    std::string black;
    Outcome result = Outcome::none;
};

// "2-0", "0-2", "1-1" as draughts records write results, "*" for none.
std::string pdn_result(Outcome outcome);
// Reads both conventions: "2-0" and "1-0" (White won), "0-2" and "0-1",
// "1-1" and "1/2-1/2"; anything else is no result.
Outcome outcome_of_result(std::string_view text);

// Ply `ply` (1..): "c3-d4", "d4xf6"; a capture whose two end squares do not
// tell it from another legal capture lists every landing ("a1xc3xe5").
std::string pdn_move(const PlayedGame& game, int ply);

// One game: tags (a FEN tag when it did not start from the opening position
// with White to move), the moves and the result, ending with a blank line.
std::string pdn_game(const PdnTags& tags, const PlayedGame& game);
// The same with a comment after ply p taken from comments[p] (none when
// empty or past the end).
std::string pdn_game(const PdnTags& tags, const PlayedGame& game,
                     std::span<const std::string> comments);

// The games of a PDN text. Games of another GameType are passed over; a file
// with none readable, or a game whose FEN cannot be read, is refused.
GameTextFile read_pdn_games(std::string_view text);

} // namespace selvako
