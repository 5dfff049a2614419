// Text and PDN game files: any bytes are read as the "Ouvrir un fichier texte"
// command reads them, and every game found is replayed into a game record.
// The record must come out whole: within its last ply, its length the ply on
// show, one move-list line per move pair.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/pdn_file.h"
#include "files/text_game_file.h"
#include "game/game_import.h"
#include "game/time_source.h"

using namespace selvako;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const GameTextFile& file : {read_pdn_games(text), read_text_games(text)}) {
        if (file.games.empty() != !file.error.empty()) __builtin_trap();
        for (const GameText& game_text : file.games) {
            EngineState work;
            work.allocate_move_lists();
            const ManualTimeSource time;
            GameClocks clocks(time);
            GameState game;
            rejouer_partie(game, clocks, work, game_text);
            if (game.num_demi_coup > LAST_GAME_PLY) __builtin_trap();
            if (game.longueur_partie != game.num_demi_coup) __builtin_trap();
            const std::size_t lines = (game.num_demi_coup + 1) / 2;
            if (game.liste_coups.lines.size() > lines + 1) __builtin_trap();
        }
    }
    return 0;
}
