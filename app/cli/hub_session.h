#pragma once
// `selvako-cli hub`: the engine behind the Hub protocol (version 2, as Scan
// 3.1 and Hub 2.1 speak it) for Brazilian draughts. One process serves a
// whole session: the tables and the transposition table stay loaded between
// searches. Lines come through a LineQueue that a reader thread fills; the
// search runs on the caller's thread and looks at the queue at every poll,
// answering "ping" and obeying "stop" and "ponder-hit" while it thinks.

#include <cstdint>
#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "app/cli/line_queue.h"
#include "engine/engine_state.h"
#include "engine/fen.h"
#include "game/hub_line.h"
#include "game/hub_notation.h"
#include "search/engine.h"
#include "search/move_deadline.h"

namespace selvako::cli {

// What `level` last said.
struct HubLevel {
    enum class Kind { depth, nodes, move_time, clock, infinite };
    Kind kind = Kind::move_time;
    int depth = 0;
    std::uint64_t nodes = 0;
    double move_time = 1.0; // seconds
    double time = 0.0;      // seconds left on the clock
    double increment = 0.0;
    int moves = 0; // moves to the next time control; 0 for none

    // The milliseconds this move may take; 0 when the level sets no time.
    std::int64_t move_milliseconds() const;
};

class HubSession {
  public:
    HubSession(Engine& engine, LineQueue& input, std::ostream& out,
               MillisecondClock clock = steady_milliseconds);
    // Until "quit" or the end of the input.
    void run();

  private:
    void handle(const HubLine& line);
    void greet();
    void set_param(const HubLine& line);
    void set_position(const HubLine& line);
    void set_level(const HubLine& line);
    void go(const HubLine& line);
    void poll();
    void send(const std::string& line);
    void error(const std::string& message);

    Engine& m_engine;
    LineQueue& m_input;
    std::ostream& m_out;
    MoveDeadline m_deadline;
    EngineState m_work;

    bool m_quit = false;
    bool m_repertoire = true;
    // pydraughts writes and reads PDN numbers; the older numbering stays a
    // parameter away.
    HubNumbering m_numbering = HubNumbering::pdn;
    bool m_have_position = false;
    Position m_start;
    std::vector<Move> m_moves;
    Position m_position;
    HubLevel m_level;

    // The search in progress.
    bool m_pondering = false;
    bool m_ponder_search = false;
    int m_depth_done = 0;
    std::int64_t m_search_start = 0;
    MillisecondClock m_clock;
    // Lines that came during a search and wait for its end.
    std::deque<std::string> m_waiting;
};

} // namespace selvako::cli
