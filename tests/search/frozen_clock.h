#pragma once
// A clock that never moves, for searches that must stop by depth or nodes
// alone, whatever the machine's load.

#include "search/search_clock.h"

namespace selvako::test {

class FrozenClock final : public SearchClock {
  public:
    std::int32_t now_seconds() override { return 0; }
};

} // namespace selvako::test
