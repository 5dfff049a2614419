// Game files: a file the reader accepts opens into a game (the move list is
// rebuilt from it) and writes back to a file that reads the same; read as a
// lesson it opens too, within the lesson's shorter record.

#include <cstddef>
#include <cstdint>
#include <span>

#include "files/game_file.h"
#include "game/saved_game.h"
#include "game/time_source.h"

using namespace selvako;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto image = decode_game_file(std::span<const std::uint8_t>(data, size));
    if (!image) return 0;
    ManualTimeSource time;
    GameClocks clocks(time);
    GameState game;
    load_game_file_image(game, clocks, *image);
    if (game.longueur_partie > LAST_GAME_PLY || game.num_demi_coup > LAST_GAME_PLY)
        __builtin_trap();
    time.advance_seconds(1);
    clocks.ajouter_temps(game.trait(), false);
    const auto again = decode_game_file(encode_game_file(game_file_image(game)));
    if (!again) __builtin_trap();

    // Read as a lesson, the same bytes never show a ply past the lesson's cap.
    const auto lesson =
        decode_game_file(std::span<const std::uint8_t>(data, size), GameFileUse::lesson);
    if (!lesson || lesson->num_demi_coup > LAST_LESSON_PLY ||
        lesson->historique[0].board[0] > LAST_LESSON_PLY)
        __builtin_trap();
    return 0;
}
