#pragma once
// Positions and moves as the Hub protocol writes them for 8x8 draughts.
// A position is the side to move ('W' or 'B') and one letter per square,
// the squares in this program's order, row by row from the top left (1 = b8,
// 32 = g1, Black's men on 1-12): 'w' and 'b' for men, 'W' and 'B' for kings,
// 'e' for an empty square. A plain move is its origin and end joined by '-';
// a capture is its origin, its end and every piece it takes, in any order,
// joined by 'x'. The squares of a move are numbered as HubNumbering says.

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

// How the squares of a move are numbered. `pdn`: as PDN files number this
// board, from White's side (1 = a1, 32 = h8, White's men on 1-12; a3-b4 is
// "9-13"), which is what pydraughts and the programs built on it write.
// `selvako`: as positions list them (1 = b8; a3-b4 is "21-17").
enum class HubNumbering { pdn, selvako };

// With PDN numbers the pieces taken come in ascending order, the order in
// which pydraughts looks a capture up.
std::string hub_move(const Move& move, HubNumbering numbering);

struct HubMoveResult {
    std::optional<Move> move;
    std::string error;
};

// The legal move of `side` on `board` that `text` names. A capture written
// with its origin and end only is taken when one legal capture alone fits.
// `work` is the move generator's workspace.
HubMoveResult find_hub_move(const BoardArray& board, int side, std::string_view text,
                            HubNumbering numbering, EngineState& work);

// The moves of a line, played one after another from `position` while each is
// legal: "22-18 9x18x13" as far as it goes.
std::string hub_line_of_moves(const Position& position, const std::vector<Move>& moves,
                              HubNumbering numbering, EngineState& work);

} // namespace selvako
