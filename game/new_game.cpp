#include "game/new_game.h"

namespace selvako {

namespace {

std::string_view computer_name(const PlayerList& list) {
    return list.players.empty() ? std::string_view(COMPUTER_NAME)
                                : std::string_view(list.players[0].nom);
}

} // namespace

std::optional<MatchStart> match_start(const PlayerList& list, std::string_view nom) {
    if (!valid_player_name(nom)) return std::nullopt;
    MatchStart start;
    if (!list.players.empty()) start.computer_rating = list.players[0].points;
    if (nom == computer_name(list) || nom == COMPUTER_NAME) {
        start.index = 0;
        start.computer_against_computer = true;
        return start;
    }
    const auto line = list.find(nom);
    if (nom == UNKNOWN_PLAYER) {
        start.index = line.value_or(-1);
        start.rating = NEW_PLAYER_RATING;
        return start;
    }
    if (!line || *line == 0) return std::nullopt;
    start.index = *line;
    start.rating = list.players[static_cast<std::size_t>(*line)].points;
    return start;
}

bool human_game_names_valid(const PlayerList& list, std::string_view blanc, std::string_view noir) {
    const std::string_view computer = computer_name(list);
    return valid_player_name(blanc) && valid_player_name(noir) && blanc != noir &&
           blanc != computer && noir != computer && blanc != COMPUTER_NAME && noir != COMPUTER_NAME;
}

bool new_player_valid(const PlayerList& list, std::string_view nom) {
    return valid_player_name(nom) && !list.find(nom) && nom != COMPUTER_NAME;
}

} // namespace selvako
