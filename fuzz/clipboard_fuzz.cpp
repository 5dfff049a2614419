// Text pasted from the clipboard: any text gives an error and no game, or
// games that replay into a whole record, as "Coller" then plays them.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/promotion_row.h"
#include "game/clipboard_text.h"
#include "game/game_import.h"
#include "game/time_source.h"

using namespace selvako;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const GameState current;
    const GameTextFile file = read_clipboard_text(text, current);
    if (file.games.empty() == file.error.empty()) __builtin_trap();
    for (const GameText& game_text : file.games) {
        EngineState work;
        work.allocate_move_lists();
        const ManualTimeSource time;
        GameClocks clocks(time);
        GameState game;
        rejouer_partie(game, clocks, work, game_text);
        if (game.num_demi_coup > LAST_GAME_PLY || game.longueur_partie != game.num_demi_coup)
            __builtin_trap();
        // A set-up position is one a game can reach: no man on its promotion row.
        if (game_text.start && man_on_promotion_row(game_text.start->board) != 0)
            __builtin_trap();
    }
    return 0;
}
