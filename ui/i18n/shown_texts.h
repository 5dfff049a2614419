#pragma once
// Texts the window composes from the game's state: a player's name as the
// panels and the printed sheet show it, and the window's title.

#include <QString>

#include "files/fiche_coup.h"

namespace selvako {

// The name, or the side's own name ("Blancs", "White", ...) when the game
// carries none, so that no panel shows a bare colon.
QString shown_name(const PlayerName& name, int side, int langue);

// The title of the main window: the program's, then the board on show
// (0 for the 2D board, N for 3D theme N, -1 on the start screen).
QString window_title(int langue, int board_shown);

} // namespace selvako
