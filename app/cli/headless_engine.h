#pragma once
// The engine and the real clocks for a game played without a window.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "game/game_options.h"
#include "game/time_source.h"
#include "game/time_source_search_clock.h"
#include "search/engine.h"

namespace selvako::cli {

struct HeadlessEngine {
    // Loads the data folder's files and, when asked, reports each one that
    // could not be read on standard error (once is enough for many games).
    HeadlessEngine(const std::filesystem::path& data, std::uint32_t seed, bool report = true);

    // The game's clocks and the search read the same steady clock.
    SteadyTimeSource time;
    TimeSourceSearchClock clock{time};
    Engine engine;
};

// Options for a game nobody watches: no thinking on the opponent's time (it
// would keep the loop busy with nothing to wait for), no sounds, captures
// shown at once.
GameOptions headless_options(bool repertoire);

// A named level 0..8, or nothing.
std::optional<int> level_number(std::string_view text);

} // namespace selvako::cli
