#pragma once
// How the game controller tells a view what happened. Every call has a default
// that does nothing, so a headless player (selvako-cli, tests) overrides only
// what it uses.

#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/board.h"
#include "engine/move.h"
#include "game/game_end.h"
#include "game/permissions.h"
#include "search/engine.h"

namespace selvako {

enum class GameError {
    file,        // a game file or "points.dat" could not be written
    // "last32.dam" was refused (`GameController::last_game_path()` says
    // where): the user did not choose that file, so the message names it.
    last_game,
    record_full, // the game stopped drawn at the last ply the record holds
    // "joueurs.dat" and "points.dat" disagreed or held a rating that is not
    // a number; the list in use made good and the next write mends the files.
    player_files,
};

class GameObserver {
  public:
    virtual ~GameObserver() = default;

    // The game, the modes or the notices changed: redraw from the controller.
    virtual void game_changed() {}
    // What the menus and buttons may do changed (and once at the start).
    virtual void permissions_changed(const Permissions& /*now*/) {}
    // A pass of the game loop should follow this one (from the event loop,
    // never nested).
    virtual void pass_wanted() {}
    // From inside a search, every 5,000 nodes: let pending events run.
    // Commands sent from here are safe; they stop the search if needed.
    virtual void process_events() {}
    // The computer's own search starts and ends (commands are locked).
    virtual void thinking_started() {}
    virtual void thinking_finished() {}
    virtual void search_progress(const SearchProgress&) {}
    // Seconds used by `side`, for its clock labels.
    virtual void clock_shown(int /*side*/, std::int32_t /*seconds*/) {}
    // A move to show: already played and recorded. `walk` holds the landing
    // squares of a capture to show step by step (empty otherwise).
    virtual void move_played(const BoardArray& /*before*/, const Move& /*move*/,
                             const std::vector<Square>& /*walk*/, bool /*by_computer*/) {}
    // True while a move is still being shown: the next computer move waits.
    virtual bool showing_move() const { return false; }
    virtual void game_ended(const GameEndReport& /*report*/) {}
    virtual void play_sound(std::string_view /*file*/) {}
    virtual void error(GameError /*kind*/) {}
    // "Quitter" has saved the game: the program ends.
    virtual void program_ended() {}
};

} // namespace selvako
