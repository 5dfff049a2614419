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
    int written_ply = 0;
    const auto pass_over = [&] {
        ++report.skipped;
        report.skipped_at.push_back(written_ply);
    };
    for (const GameMoveText& written : text.moves) {
        ++written_ply;
        if (game.num_demi_coup >= LAST_GAME_PLY) {
            pass_over();
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
            pass_over();
            continue;
        }
        if (!jouer_coup(game, work, clocks, found.move.move)) {
            pass_over();
            continue;
        }
        ++report.played;
    }
    return report;
}

std::string skipped_moves_text(const ReplayReport& report) {
    const std::size_t n = report.skipped_at.size();
    std::string text = std::to_string(n) +
                       (n == 1 ? " move passed over, at ply " : " moves passed over, at plies ");
    // A long list says its first plies: the file needs looking at anyway.
    constexpr std::size_t SHOWN = 10;
    for (std::size_t k = 0; k < std::min(n, SHOWN); ++k) {
        if (k > 0) text += k + 1 == n ? " and " : ", ";
        text += std::to_string(report.skipped_at[k]);
    }
    if (n > SHOWN) text += ", ...";
    return text;
}

PlayedGame played_game(const GameState& game) {
    const int plies = std::clamp<int>(game.longueur_partie, 0, LAST_PLY);
    return PlayedGame{game.historique.data(), plies, game.premier_trait};
}

} // namespace selvako
