#pragma once
// Positions and moves as the Hub protocol writes them for 8x8 draughts. The
// squares are numbered 1..32 from Black's side, row by row from the top left
// as this program numbers them (1 = b8, 32 = g1), Black's men on 1-12.
// A position is the side to move ('W' or 'B') and one letter per square:
// 'w' and 'b' for men, 'W' and 'B' for kings, 'e' for an empty square.
// A plain move is "22-18"; a capture is its origin, its end and every piece
// it takes, in any order, joined by 'x': "22x13x18".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_state.h"
#include "engine/fen.h"
#include "engine/move.h"

namespace selvako {

inline constexpr std::size_t HUB_POSITION_LENGTH = 1 + NUM_SQUARES;

struct HubPositionResult {
    std::optional<Position> position;
    std::string error;
};

// Refuses a wrong length or letter, more than 12 pieces a side and a man on
// the row where it would have been crowned.
HubPositionResult parse_hub_position(std::string_view text);
std::string hub_position(const Position& position);

std::string hub_move(const Move& move);

struct HubMoveResult {
    std::optional<Move> move;
    std::string error;
};

// The legal move of `side` on `board` that `text` names. A capture written
// with its origin and end only is taken when one legal capture alone fits.
// `work` is the move generator's workspace.
HubMoveResult find_hub_move(const BoardArray& board, int side, std::string_view text,
                            EngineState& work);

// The moves of a line, played one after another from `position` while each is
// legal: "22-18 9x18x13" as far as it goes.
std::string hub_line_of_moves(const Position& position, const std::vector<Move>& moves,
                              EngineState& work);

} // namespace selvako
