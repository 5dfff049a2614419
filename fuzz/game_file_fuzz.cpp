// Game files: a file the reader accepts is a game this program could have
// written. Each ply follows from the one before by a legal move of the side
// whose turn it was, the side to move follows from the plies, and the game
// opens (the move list is rebuilt from it) and writes back to a file that
// reads as the same game. Read as a lesson it opens too, within the lesson's
// shorter record. Anything else is refused.

#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/make_move.h"
#include "engine/move_generation.h"
#include "files/game_file.h"
#include "game/saved_game.h"
#include "game/time_source.h"

using namespace selvako;

namespace {

int side_of(std::uint8_t code) {
    return is_white_piece(code) ? WHITE : is_black_piece(code) ? BLACK : -1;
}

// Replays the record's plies by the rules, apart from the reader's own check.
bool plies_follow_the_rules(const GameFileImage& image) {
    const int last = std::max<int>(image.historique[0].board[0], image.num_demi_coup);
    EngineState work;
    BoardArray board = image.historique[0].board;
    board[0] = SENTINEL;
    int previous = -1;
    for (int k = 1; k <= last; ++k) {
        const FicheCoup& ply = image.historique[k];
        const int side = side_of(board[ply.from]);
        if (side < 0 || side == previous) return false;
        work.set_position(board);
        const int count = generate_root_moves(work, side);
        bool found = false;
        for (int i = 0; i < count && !found; ++i) {
            const Move m = work.list(1)[i];
            if (m.from != ply.from || m.to != ply.to) continue;
            work.set_position(board);
            make_move(work, m);
            found = std::equal(work.board.begin() + 1, work.board.end(), ply.board.begin() + 1);
        }
        if (!found) return false;
        board = ply.board;
        previous = side;
    }
    if (image.num_demi_coup > 0) {
        const FicheCoup& shown = image.historique[image.num_demi_coup];
        const int mover = side_of(image.historique[image.num_demi_coup - 1].board[shown.from]);
        if (image.trait != 1 - mover) return false;
    }
    return true;
}

// The ply on show past the recorded length stretches the game to it.
bool same_game(const GameFileImage& a, const GameFileImage& b) {
    const int length = std::max<int>(a.historique[0].board[0], a.num_demi_coup);
    if (b.historique[0].board[0] != length || a.num_demi_coup != b.num_demi_coup ||
        a.trait != b.trait)
        return false;
    for (int k = 0; k <= length; ++k) {
        const FicheCoup& x = a.historique[k];
        const FicheCoup& y = b.historique[k];
        if (x.from != y.from || x.to != y.to ||
            !std::equal(x.board.begin() + 1, x.board.end(), y.board.begin() + 1))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto image = decode_game_file(std::span<const std::uint8_t>(data, size));
    if (!image) return 0;
    if (!plies_follow_the_rules(*image)) __builtin_trap();
    ManualTimeSource time;
    GameClocks clocks(time);
    GameState game;
    load_game_file_image(game, clocks, *image);
    if (game.longueur_partie > LAST_GAME_PLY || game.num_demi_coup > LAST_GAME_PLY)
        __builtin_trap();
    // Written back before anything changes, it reads as the same game.
    const auto same = decode_game_file(encode_game_file(game_file_image(game)));
    if (!same || !same_game(*image, *same)) __builtin_trap();
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
