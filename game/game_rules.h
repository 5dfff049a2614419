#pragma once
// The one rule book of how a game of draughts ends, for every way a game is
// played: in the window, in `play` and `selfplay`, in `match` and in the
// tuner's games. The rules every game keeps read only the position and the
// number of plies played; the adjudications that end games between programs
// that would otherwise play on (repetition, quiet kings) are options.

#include <cstdint>
#include <map>
#include <span>
#include <string_view>
#include <utility>

#include "engine/board.h"
#include "engine/engine_state.h"
#include "engine/fen.h"
#include "engine/move.h"
#include "files/outcome.h"

namespace selvako {

// Why a game ended.
enum class GameEnd : std::uint8_t {
    none,         // it goes on
    no_moves,     // the side to move has no piece or no legal move: it loses
    record_full,  // the last ply a game record keeps was played: drawn
    repetition,   // the same position with the same side to move a third time: drawn
    quiet_kings,  // 25 moves of each side without a capture or a man's move: drawn
    stagnation,   // two computers in the window that make no progress: drawn
    draw_agreed,  // a draw offer accepted
    time,         // a rated match: a clock ran out, its side loses
    resignation,  // the human resigned
    illegal_move, // a program answered with a move the position does not allow: it loses
    no_answer,    // a program gave no move: it loses
};

// One word each, as selvako-cli prints it: "unfinished", "no-moves",
// "record-full", "repetition", "quiet-kings", "stagnation", "draw-agreed",
// "time", "resignation", "illegal-move", "no-answer".
std::string_view game_end_text(GameEnd end);

// The result an end gives: the loser's opponent wins the decisive ends,
// every other end is drawn.
Outcome game_end_outcome(GameEnd end, int loser);

inline constexpr int QUIET_PLIES_FOR_DRAW = 50;

// The rules every game keeps, for `side` to move on `board` after `plies`
// plies: no_moves, record_full or none. `legal_count`, when given, receives
// the number of legal moves (generated in `work`'s list 1).
GameEnd position_end(EngineState& work, const BoardArray& board, int side, int plies,
                     int* legal_count = nullptr);

struct Adjudications {
    bool repetition = false;
    bool quiet_kings = false;
};

// Follows a game ply by ply for the adjudications it was asked to apply.
class Adjudicator {
  public:
    explicit Adjudicator(Adjudications rules) : m_rules(rules) {}

    // The position the game starts from (or goes on from).
    void start(const Position& position);
    // `move` was played by the side that had the move on `before`; `now` is
    // the position it led to.
    void played(const BoardArray& before, const Move& move, const Position& now);
    // repetition, quiet_kings or none, for the position last given.
    GameEnd verdict() const;

  private:
    void note(const Position& position);

    Adjudications m_rules;
    std::map<std::pair<BoardArray, int>, int> m_seen;
    int m_last_seen_count = 0;
    int m_quiet_plies = 0;
};

// A game between two computers in the window that goes nowhere: from ply 251
// on, the same number of pieces as 60 plies earlier and no forced result in
// the score. `material_by_ply` holds the number of pieces after each ply.
bool stagnation_draw(std::uint8_t num_demi_coup, std::span<const std::int32_t> material_by_ply,
                     std::int16_t last_score);

} // namespace selvako
