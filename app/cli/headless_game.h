#pragma once
// A game run through the GameController without a window: the observer that
// notes what the controller reports, and the plain loop that runs the passes
// it asks for (there is no event loop to queue them on).

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "game/game_controller.h"

namespace selvako::cli {

class HeadlessObserver final : public GameObserver {
  public:
    void pass_wanted() override { m_pass_wanted = true; }
    void move_played(const BoardArray& before, const Move& move, const std::vector<Square>& walk,
                     bool by_computer) override;
    void game_ended(const GameEndReport& report) override {
        m_outcome = report.outcome;
        m_end = report.end;
    }

    // Shown after every move when set.
    std::function<void(const Move&, bool by_computer)> on_move;

    bool take_pass() { return std::exchange(m_pass_wanted, false); }
    int human_moves() const { return m_human_moves; }
    bool ended() const { return m_outcome.has_value(); }
    Outcome outcome() const { return m_outcome.value_or(Outcome::none); }
    // Why it ended, in one word (game_end_text); "unfinished" while it goes on.
    std::string_view end_reason() const { return game_end_text(m_end); }

  private:
    bool m_pass_wanted = false;
    int m_human_moves = 0;
    std::optional<Outcome> m_outcome;
    GameEnd m_end = GameEnd::none;
};

// Runs the passes the controller asks for, one after another, and the
// one-second clock tick whenever a second has gone by.
class HeadlessLoop {
  public:
    HeadlessLoop(GameController& controller, HeadlessObserver& observer, const TimeSource& time)
        : m_controller(controller), m_observer(observer), m_time(time),
          m_last_tick(time.now_seconds()) {}

    // One pass, when one was asked for; false when none was.
    bool step();
    void run() {
        while (step()) {
        }
    }
    // A command, then the passes it asks for.
    void send(const Command& c);

  private:
    GameController& m_controller;
    HeadlessObserver& m_observer;
    const TimeSource& m_time;
    std::int32_t m_last_tick;
};

// The result as draughts records write it ("2-0", "0-2", "1-1"), "*" while
// the game goes on.
std::string result_text(const HeadlessObserver& observer);

// The board as text: rank 8 at the top, White's men w and kings W, Black's b
// and B, '.' for an empty dark square, files and ranks labelled.
std::string board_text(const BoardArray& board);

} // namespace selvako::cli
