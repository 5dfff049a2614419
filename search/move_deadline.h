#pragma once
// A hard stop for a search given a time per move. The level's planning works
// in whole seconds and checks itself only between iterations or past five
// times its target; a caller that promised a time per move checks this at
// every poll, in milliseconds, and calls Engine::stop() once it has passed.
// The clock is injected, so that a test moves time by hand.

#include <chrono>
#include <cstdint>
#include <functional>

namespace selvako {

using MillisecondClock = std::function<std::int64_t()>;

inline std::int64_t steady_milliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

class MoveDeadline {
  public:
    explicit MoveDeadline(MillisecondClock clock = steady_milliseconds)
        : m_clock(std::move(clock)) {}

    // Counts `limit_ms` from now. The stop is asked for a little before the
    // limit: the search still has to unwind and the answer to be sent.
    void start(std::int64_t limit_ms) {
        m_start = m_clock();
        m_stop_at = m_start + limit_ms - reserve_ms(limit_ms);
        m_armed = true;
    }
    void disarm() { m_armed = false; }
    bool armed() const { return m_armed; }
    bool passed() const { return m_armed && m_clock() >= m_stop_at; }
    std::int64_t elapsed_ms() const { return m_clock() - m_start; }

    // 2 % of the limit, at most 30 ms: well inside the 5 % a move may run over.
    static std::int64_t reserve_ms(std::int64_t limit_ms) {
        const std::int64_t reserve = limit_ms / 50;
        return reserve < 30 ? reserve : 30;
    }

  private:
    MillisecondClock m_clock;
    std::int64_t m_start = 0;
    std::int64_t m_stop_at = 0;
    bool m_armed = false;
};

} // namespace selvako
