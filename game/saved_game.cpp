#include "game/saved_game.h"

#include "game/game_record.h"

namespace selvako {

GameFileImage game_file_image(const GameState& game) {
    GameFileImage image;
    image.historique = game.historique;
    image.historique[0].board[0] = static_cast<std::uint8_t>(game.longueur_partie & 0xFF);
    image.num_demi_coup = game.num_demi_coup;
    image.trait = game.trait();
    image.settings = game.settings;
    return image;
}

void load_game_file_image(GameState& game, GameClocks& clocks, const GameFileImage& image) {
    game.historique = image.historique;
    game.num_demi_coup = image.num_demi_coup;
    // The file keeps the side to move on show; the side at ply 0 follows.
    game.set_trait(image.trait);
    game.settings = image.settings;
    apres_lecture(game, clocks);
}

} // namespace selvako
