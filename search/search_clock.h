#pragma once
// The search's time source, injected so that tests can drive time by hand.
// Only differences of whole seconds matter.

#include <chrono>
#include <cstdint>

namespace selvako {

class SearchClock {
  public:
    virtual ~SearchClock() = default;
    virtual std::int32_t now_seconds() = 0;
};

class SteadySearchClock final : public SearchClock {
  public:
    std::int32_t now_seconds() override {
        using namespace std::chrono;
        return static_cast<std::int32_t>(
            duration_cast<seconds>(steady_clock::now().time_since_epoch()).count());
    }
};

} // namespace selvako
