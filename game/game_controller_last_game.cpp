// "last32.dam": the game "Quitter" leaves behind, whose settings the next
// run starts with and which a start-screen theme button brings back.
#include <system_error>

#include "game/game_controller.h"

namespace selvako {

std::optional<GameFileImage> GameController::read_last_game() {
    // On the very first run there is no automatic file yet; a folder that
    // cannot be looked into is left to the reader, which refuses it.
    std::error_code unknown;
    if (!std::filesystem::exists(m_folders.last_game, unknown) && !unknown) return std::nullopt;
    GameFileRead read = read_game_file(m_folders.last_game);
    // The user did not choose this file: the message says which it is and why.
    if (!read) m_observer.refused(read.refusal);
    return std::move(read.image);
}

void GameController::read_last_settings() {
    const auto image = read_last_game();
    // A refused file leaves the defaults.
    m_last_settings = image ? image->settings : PersistentSettings{};
}

void GameController::restore_last_game() {
    const auto image = read_last_game();
    // Without a file the new game stands.
    if (image) ouvrir(*image);
}

} // namespace selvako
