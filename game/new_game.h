#pragma once
// Who plays a new game started from the new-game panel, decided from the
// player list alone so that the panel and the controller agree on what they
// accept.

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/board.h"
#include "files/player_files.h"

namespace selvako {

inline constexpr const char* UNKNOWN_PLAYER = "Inconnu";

// The players of a rated match against the human called `nom`.
struct MatchStart {
    std::int32_t index = -1; // the human's line; -1: "Inconnu" outside the list
    std::int32_t rating = NEW_PLAYER_RATING;
    std::int32_t computer_rating = COMPUTER_START_RATING;
    // The name is the computer's own: the game is the computer against itself.
    bool computer_against_computer = false;
};

// The rating comes from the line of the name that plays, never from another
// line; "Inconnu" starts at 1500 whatever the list says. A name that is not in
// the list (other than "Inconnu") cannot play a rated match: nullopt.
std::optional<MatchStart> match_start(const PlayerList& list, std::string_view nom);

// Two humans need two different valid names, neither the computer's.
bool human_game_names_valid(const PlayerList& list, std::string_view blanc, std::string_view noir);

// A new player: a valid name that is not in the list yet.
bool new_player_valid(const PlayerList& list, std::string_view nom);

} // namespace selvako
