#pragma once
// A match player that searches with an Engine of its own: at a fixed depth,
// for a number of nodes, or for a time per move that it never overruns by
// more than the few milliseconds a stop takes (the search's own planning is
// in whole seconds; the player stops it in milliseconds).

#include <cstdint>
#include <vector>

#include "game/match_game.h"
#include "search/engine.h"
#include "search/move_deadline.h"

namespace selvako {

struct MoveLimit {
    enum class Kind { depth, nodes, time };
    Kind kind = Kind::depth;
    std::int64_t value = 6; // plies, nodes, or milliseconds
};

// The request for a search of `now`, reached by `moves`: as many of the last
// moves as the search keeps as its history, for the repetitions.
SearchRequest position_request(const Position& now, const std::vector<Move>& moves);

// The request for a search of the game's position under `limit`: the game
// as the history, a time budget planned to reach the time per move.
SearchRequest match_request(const MatchPosition& game, const MoveLimit& limit, bool repertoire);

class EnginePlayer final : public MatchPlayer {
  public:
    // The engine, loaded and set up by the caller, outlives the player.
    EnginePlayer(Engine& engine, MoveLimit limit, bool repertoire,
                 MillisecondClock clock = steady_milliseconds);
    // Each game starts with an empty table, so that a game does not depend on
    // the ones played before it.
    void new_game() override;
    std::optional<Move> choose(const MatchPosition& game) override;

    // The milliseconds the last move took, as the player's clock measured it.
    std::int64_t last_move_ms() const { return m_last_move_ms; }

  private:
    Engine& m_engine;
    MoveLimit m_limit;
    bool m_repertoire;
    MoveDeadline m_deadline;
    std::int64_t m_last_move_ms = 0;
};

} // namespace selvako
