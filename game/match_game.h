#pragma once
// One game of a match between two players that answer with a move for a
// position, played from an opening. It ends by the rules of game_rules.h,
// with both adjudications of games between programs on: repetition, and 25
// moves of each side without a capture or a man's move (the kings-only rule
// the federations apply to long king endings). A player that gives no move,
// or one the position does not allow, loses.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/fen.h"
#include "engine/move.h"
#include "files/outcome.h"
#include "game/game_rules.h"

namespace selvako {

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
