#pragma once
// One game of a match between two players that answer with a move for a
// position, played from an opening, with the rules that end a game between
// programs that would otherwise play on:
// - the side to move with no piece or no legal move loses;
// - the same position with the same side to move a third time is a draw;
// - 25 moves of each side (50 plies) without a capture or a man's move is a
//   draw (the kings-only rule the federations apply to long king endings);
// - a game that reaches the record's last ply (252) is a draw;
// - a player that gives no move, or one the position does not allow, loses.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/fen.h"
#include "engine/move.h"
#include "files/outcome.h"

namespace selvako {

inline constexpr int QUIET_PLIES_FOR_DRAW = 50;
inline constexpr int MATCH_GAME_PLIES = 252;

// The game so far as a player sees it when asked for a move.
struct MatchPosition {
    Position start;          // where the game began
    std::vector<Move> moves; // every ply since, the opening's first
    Position now;
};

class MatchPlayer {
  public:
    virtual ~MatchPlayer() = default;
    // Called before each game: a player may clear what it learned.
    virtual void new_game() {}
    // Nothing when it cannot answer (an external program that died).
    virtual std::optional<Move> choose(const MatchPosition& game) = 0;
};

enum class GameEnd { no_moves, repetition, quiet_kings, length, illegal_move, no_answer };

// "no-moves", "repetition", "quiet-kings", "length", "illegal-move", "no-answer".
std::string game_end_text(GameEnd end);

struct MatchGameResult {
    Outcome outcome = Outcome::none;
    GameEnd end = GameEnd::no_moves;
    std::vector<Move> moves;
};

// Plays `opening` (legal moves from `start`, which the caller checked) and
// then asks the players in turn.
MatchGameResult play_match_game(MatchPlayer& white, MatchPlayer& black, const Position& start,
                                const std::vector<Move>& opening);

} // namespace selvako
