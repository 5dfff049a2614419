#pragma once
// What a command does to the game, said by each command type itself
// (`static constexpr CommandEffect effect`): whether it must wait for a search
// that works from the game, and whether it may run while the record is analysed.

#include <cstdint>

namespace selvako {

enum class CommandEffect : std::uint8_t {
    // Raises a flag, ticks a clock, shows or writes something: runs at once,
    // during a search or an analysis too.
    immediate,
    // Changes the game a search works from: waits until the search returns
    // (its result thrown away), and is refused while the record is analysed.
    changes_game,
    // Changes the game but belongs to the analysis or ends the program: waits
    // for a search, and runs during an analysis as well.
    changes_game_under_analysis,
    // Changes what a search reads (the engine's evaluation parameters and
    // opening repertoires), not the game: waits for a search, and runs during
    // an analysis as well, the next position being searched with it.
    changes_engine_tables,
};

} // namespace selvako
