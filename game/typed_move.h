#pragma once
// A move typed as text ("c3-d4", "c3xe5", "a1xc3xe5", "22-18") turned into
// one of the legal moves of the position, with its landing squares, so that a
// text front end can hand it to the move input square by square.

#include <optional>
#include <string_view>
#include <vector>

#include "engine/board.h"
#include "engine/engine_state.h"
#include "game/move_input.h"

namespace selvako {

struct TypedMove {
    // The origin, then the landing squares the text names: only the last one
    // for "c3xe5", every one in order for "a1xc3xe5".
    std::vector<Square> squares;
    bool capture = false;
};

// Reads the text's squares (names or numbers 1..32) and separators; one kind
// of separator throughout. Nothing when the text is not a move's form.
std::optional<TypedMove> parse_typed_move(std::string_view text);

enum class TypedMoveMatch {
    none,      // no legal move fits the text
    one,       // exactly one does
    ambiguous, // several capture paths fit: the landing squares tell them apart
};

struct TypedMoveResult {
    TypedMoveMatch match = TypedMoveMatch::none;
    PieceMove move; // when match is `one`; for `ambiguous`, the first that fits
};

// The legal move of `side` on `board` that the text names. `work` is the
// move generator's workspace.
TypedMoveResult match_typed_move(const TypedMove& typed, const BoardArray& board, int side,
                                 EngineState& work);

// The square to click next to enter `move` on `input`: its origin while no
// piece is picked up, then the landing the input waits for. Landings the input
// completed by itself are not clicked again (a capture may come back to its
// origin, where a click would put the piece back).
Square next_click(const PieceMove& move, const MoveInput& input);

} // namespace selvako
