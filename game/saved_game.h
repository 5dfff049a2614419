#pragma once
// The game in progress as a game file image, and back.

#include "files/game_file.h"
#include "game/clocks.h"
#include "game/game_state.h"

namespace selvako {

// The game as a file image: the length goes into byte 0 of record 0.
GameFileImage game_file_image(const GameState& game);
// Puts a file image into the game: record, ply on show, side to move and
// settings, then the position on show, the clocks and the move list.
void load_game_file_image(GameState& game, GameClocks& clocks, const GameFileImage& image);

} // namespace selvako
