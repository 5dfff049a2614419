#pragma once
// Everything that changes while the program runs, owned by the main window.

#include "app/selvako/engine_tables.h"
#include "engine/engine_state.h"
#include "game/game_state.h"
#include "game/move_input.h"
#include "ui/board/board_view.h"

namespace selvako {

struct AppState {
    EngineState engine;
    EngineTables tables;
    GameState game;
    MoveInput input;
    DisplayState display;
};

} // namespace selvako
