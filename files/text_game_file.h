#pragma once
// The plain text score sheet: a header "White-Black  2-0", the line
// "Selvako144", a FEN line when the game was set up, then the move list four
// lines to a text line. The reader takes that layout, and other texts laid
// out like it, whole up to the cap every text file shares; files that begin
// with a bracketed tag go to the PDN reader.

#include <cstddef>
#include <string>
#include <string_view>

#include "files/game_text.h"

namespace selvako {

// The whole game to its last ply, names and result in the header.
std::string text_game(const std::string& white, const std::string& black, Outcome result,
                      const PlayedGame& game);

// The games of a text file, each from its header to the next empty line.
GameTextFile read_text_games(std::string_view text);

} // namespace selvako
