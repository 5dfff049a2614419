#pragma once
// Where the game's clocks read the time. The window uses the steady clock;
// tests drive a manual one so that every second is chosen, not waited for.
// Only differences between readings mean anything: a monotonic source keeps a
// game that runs past midnight or the end of a month counting right.

#include <chrono>
#include <cstdint>

namespace selvako {

class TimeSource {
  public:
    virtual ~TimeSource() = default;
    virtual std::int64_t now_ms() const = 0;
    // Whole seconds, the unit the clocks count in.
    std::int32_t now_seconds() const { return static_cast<std::int32_t>(now_ms() / 1000); }
};

class SteadyTimeSource final : public TimeSource {
  public:
    std::int64_t now_ms() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};

class ManualTimeSource final : public TimeSource {
  public:
    explicit ManualTimeSource(std::int64_t start_ms = 0) : m_now_ms(start_ms) {}
    std::int64_t now_ms() const override { return m_now_ms; }
    void advance_ms(std::int64_t ms) { m_now_ms += ms; }
    void advance_seconds(std::int32_t seconds) { m_now_ms += std::int64_t{seconds} * 1000; }

  private:
    std::int64_t m_now_ms;
};

} // namespace selvako
