#pragma once
// The score sheet of the game in memory: the players' names (each side's own
// name where the game has none), the moves, the result once the game has
// one, and the game's last position.

#include "game/game_state.h"
#include "ui/print/score_sheet_print.h"

namespace selvako {

ScoreSheet game_score_sheet(const GameState& game, int langue);

} // namespace selvako
