#pragma once
// The search reads the same time source as the game's clocks, so that a test
// that moves time by hand moves it for both, and a headless game's clocks and
// searches agree to the second.

#include "game/time_source.h"
#include "search/search_clock.h"

namespace selvako {

class TimeSourceSearchClock final : public SearchClock {
  public:
    explicit TimeSourceSearchClock(const TimeSource& time) : m_time(time) {}
    std::int32_t now_seconds() override { return m_time.now_seconds(); }

  private:
    const TimeSource& m_time;
};

} // namespace selvako
