#pragma once
// An engine with the built data and a clock that never moves, for tests that
// play real searches by depth or nodes. The data must load whole: a test that
// silently ran without its tables would prove nothing about them.

#include <gtest/gtest.h>

#include "search/engine.h"
#include "frozen_clock.h"

namespace selvako::test {

struct LoadedEngine {
    LoadedEngine() { EXPECT_TRUE(engine.load({SELVAKO_TEST_DATA_DIR, {}}).empty()); }
    FrozenClock clock;
    Engine engine{clock, 1};
};

} // namespace selvako::test
