// Text and PDN game files: any bytes are read as the "Ouvrir un fichier texte"
// command reads them, and every game found is replayed into a game record.
// The record must come out whole: within its last ply, its length the ply on
// show, one move-list line per move pair. Written again as a score sheet and
// read back, the game replays to the same record, its set-up start with it.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/move_generation.h"
#include "files/pdn_file.h"
#include "files/text_game_file.h"
#include "game/game_import.h"
#include "game/time_source.h"

using namespace selvako;

namespace {

struct Replayed {
    ManualTimeSource time;
    GameClocks clocks{time};
    GameState game;
};

bool same_record(const GameState& a, const GameState& b) {
    if (a.longueur_partie != b.longueur_partie || a.trait() != b.trait()) return false;
    for (int p = 0; p <= a.longueur_partie; ++p) {
        const FicheCoup& x = a.historique[p];
        const FicheCoup& y = b.historique[p];
        if (x.from != y.from || x.to != y.to ||
            !std::equal(x.board.begin() + 1, x.board.end(), y.board.begin() + 1))
            return false;
    }
    return true;
}

// A score sheet names a capture by its two ends only: where two paths join
// them, the reader takes the first, which may not be the one played.
bool has_two_captures_between_the_same_squares(const GameState& game, EngineState& work) {
    for (int p = 1; p <= game.longueur_partie; ++p) {
        const FicheCoup& ply = game.historique[p];
        BoardArray before = game.historique[p - 1].board;
        before[0] = SENTINEL;
        const int side = is_black_piece(before[ply.from]) ? BLACK : WHITE;
        work.set_position(before);
        const int count = generate_root_moves(work, side);
        int same = 0;
        for (int i = 0; i < count; ++i)
            if (work.list(1)[i].from == ply.from && work.list(1)[i].to == ply.to) ++same;
        if (same > 1) return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    EngineState work;
    work.allocate_move_lists();
    for (const GameTextFile& file : {read_pdn_games(text), read_text_games(text)}) {
        if (file.games.empty() != !file.error.empty()) __builtin_trap();
        for (const GameText& game_text : file.games) {
            Replayed first;
            GameState& game = first.game;
            rejouer_partie(game, first.clocks, work, game_text);
            if (game.num_demi_coup > LAST_GAME_PLY) __builtin_trap();
            if (game.longueur_partie != game.num_demi_coup) __builtin_trap();
            const std::size_t lines = (game.num_demi_coup + 1) / 2;
            if (game.liste_coups.lines.size() > lines + 1) __builtin_trap();

            // Names are not what this checks: plain ones keep the header a header.
            const std::string sheet = text_game("A", "B", Outcome::none, played_game(game));
            const GameTextFile back = read_text_games(sheet);
            if (back.games.size() != 1) __builtin_trap();
            Replayed second;
            const ReplayReport report =
                rejouer_partie(second.game, second.clocks, work, back.games[0]);
            if ((report.skipped != 0 || !same_record(game, second.game)) &&
                !has_two_captures_between_the_same_squares(game, work))
                __builtin_trap();
        }
    }
    return 0;
}
