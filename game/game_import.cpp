#include "game/game_import.h"

#include <algorithm>

#include "game/game_record.h"
#include "game/typed_move.h"

namespace selvako {

ReplayReport rejouer_partie(GameState& game, GameClocks& clocks, EngineState& work,
                            const GameText& text) {
    nouvelle_partie(game, clocks);
    if (text.start) {
        game.damier_affiche = text.start->board;
        game.damier_affiche[0] = SENTINEL;
        game.premier_trait = static_cast<std::uint8_t>(text.start->side_to_move);
    }
    game.nom_blanc = make_name(text.white);
    game.nom_noir = make_name(text.black);
    noter_coup(game, clocks);
    game.dernier_resultat = text.result;

    ReplayReport report;
    for (const GameMoveText& written : text.moves) {
        if (game.num_demi_coup >= LAST_GAME_PLY) {
            ++report.skipped;
            continue;
        }
        TypedMove typed{written.squares, written.capture};
        TypedMoveResult found = match_typed_move(typed, game.damier_affiche, game.trait(), work);
        // Some files write a capture with "-" or a plain move with "x".
        if (found.match == TypedMoveMatch::none && typed.squares.size() == 2) {
            typed.capture = !typed.capture;
            found = match_typed_move(typed, game.damier_affiche, game.trait(), work);
        }
        // Two capture paths between the same squares: the first one is taken,
        // as a file that names only the ends cannot say which.
        if (found.match == TypedMoveMatch::none) {
            ++report.skipped;
            continue;
        }
        if (!jouer_coup(game, work, clocks, found.move.move)) {
            ++report.skipped;
            continue;
        }
        ++report.played;
    }
    return report;
}

PlayedGame played_game(const GameState& game) {
    const int plies = std::clamp<int>(game.longueur_partie, 0, LAST_PLY);
    return PlayedGame{game.historique.data(), plies, game.premier_trait};
}

} // namespace selvako
