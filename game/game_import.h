#pragma once
// A game read from a text or PDN file becomes the game in progress by being
// played again, ply by ply, through the same common tail as a move on the
// board: the record, its length and the move list come out as if the moves
// had been played here. Moves that are not legal where they stand are passed
// over and the same side stays to move.

#include <string>
#include <vector>

#include "engine/engine_state.h"
#include "files/game_text.h"
#include "game/clocks.h"
#include "game/game_state.h"

namespace selvako {

struct ReplayReport {
    int played = 0;
    int skipped = 0; // illegal or unreadable moves, and those past the record's end
    // The place of each move passed over among the moves the text wrote,
    // counted from 1: the ply it would have been had none been passed over.
    std::vector<int> skipped_at;
};

// "2 moves passed over, at plies 41 and 57", for the reader's report.
std::string skipped_moves_text(const ReplayReport& report);

// Replaces the game by `text` from its start position (or its set-up
// position), ending on its last ply with both clocks at zero.
ReplayReport rejouer_partie(GameState& game, GameClocks& clocks, EngineState& work,
                            const GameText& text);

// The ply records of the game as the writers read them, to its length.
PlayedGame played_game(const GameState& game);

} // namespace selvako
