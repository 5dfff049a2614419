#pragma once
// What the Edition menu puts on the clipboard and takes from it: the position
// on the board as FEN, the game as PDN, and back. Text from the clipboard
// comes from anywhere (a website, a mail, another program); it is checked
// whole before anything in the game changes.

#include <string>
#include <string_view>

#include "files/game_text.h"
#include "game/game_state.h"

namespace selvako {

// The position on show with the side to move: "W:Wc1,c3:Bd6,Kf8".
std::string position_fen(const GameState& game);
// The whole game to its length, with the names and the last result.
std::string game_pdn(const GameState& game);

// A FEN gives one game that starts from that position with no moves, under
// the names in play; anything else is read as PDN. A text that is neither,
// a FEN whose men stand on their promotion row or where a side has no piece,
// gives an error and no games.
GameTextFile read_clipboard_text(std::string_view text, const GameState& current);

} // namespace selvako
