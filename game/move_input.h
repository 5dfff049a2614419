#pragma once
// Turns clicks on board squares into a legal move: pick a piece up, then
// click where it lands. Forced landings of a capture are completed by
// themselves; where capture paths part, the next landing squares are framed
// blue and the final squares, when they tell the paths apart, magenta.

#include <array>
#include <cstdint>
#include <vector>

#include "engine/engine_state.h"
#include "engine/move.h"
#include "game/clocks.h"
#include "game/game_state.h"
#include "game/square_frames.h"

namespace selvako {

// A final square that may be clicked directly carries this mark.
inline constexpr std::uint8_t MARK_FINAL = 100;

// A legal move of the piece picked up, with its landing squares in order
// (landings[0] is the first landing, landings[taken - 1] the to-square).
struct PieceMove {
    Move move;
    std::array<Square, MAX_CAPTURED> landings{};
};

struct MoveInput {
    std::uint8_t piece_prise = 0;
    // Index 0: the origin; index k >= 1: the k-th landing square entered.
    std::array<Square, MAX_CAPTURED + 1> chemin_clics{};
    std::uint8_t nb_clics = 0;
    std::array<std::uint8_t, BOARD_CELLS> marques{};
    bool ambiguity = false;
    std::vector<int> candidates;
    std::vector<PieceMove> piece_moves;
    // Pieces taken by the obligatory capture of the position; 0 when none.
    std::uint8_t obligatory = 0;
    // The frame drawn on each square, as the board shows it.
    SquareFrames frames = no_frames();
    // Set when a capture is obligatory; the "Prise majoritaire obligatoire" notice.
    bool capture_notice = false;
    // A piece picked up by a click that may not play: the move it would have
    // made at once waits, its final square framed, for a click there.
    bool confirm = false;

    // Drops a piece picked up, as navigation and new games do.
    void drop(const GameState& game);
};

enum class InputOutcome { ignored, picked_up, put_back, waiting, move_played };

struct InputResult {
    InputOutcome outcome = InputOutcome::ignored;
    PieceMove played;    // the move, when outcome is move_played
    BoardArray before{}; // the board just before the move, for the animation
};

// One click on square `s` (1..32) for the side to move. A completed move is
// played through jouer_coup, recorded with the clocks as they stand; `work`
// is the move generator's workspace. Without `may_play_at_once`, a click that
// picks a piece up never completes its move by itself (a single move, or a
// capture with one path): the player confirms it on its final square.
InputResult clic_case(MoveInput& input, GameState& game, EngineState& work,
                      const GameClocks& clocks, Square s, bool may_play_at_once = true);

} // namespace selvako
