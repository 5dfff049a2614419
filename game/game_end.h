#pragma once
// What the end of a game shows and changes: the outcome, the sentence of the
// end-of-game panel, its sound, and in a rated match both new ratings.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "files/outcome.h"
#include "game/game_rules.h"
#include "game/match_mode.h"
#include "game/rating.h"

namespace selvako {

enum class EndSound : std::uint8_t { none, win, loss };

// The file to play for a sound, empty for none.
std::string_view end_sound_file(EndSound sound);

struct GameEndInput {
    GameEnd end = GameEnd::draw_agreed;
    // The side that lost, for the decisive ends: the side left without a
    // move, the side whose clock ran out, the side that resigned.
    std::uint8_t loser = 0;
    MatchMode mode_match = MatchMode::none;
    bool human_against_human = false;
    std::uint8_t couleur_ordinateur = 1;
    // The names as the game panel shows them.
    std::string_view nom_blanc;
    std::string_view nom_noir;
    // The "Autres" option: sounds at the end of a game.
    bool end_sounds = true;
    // The ratings before the game, read in a rated match only.
    Ratings ratings;
    // The interface language the sentences are written in.
    std::uint8_t langue = 0;
};

struct GameEndReport {
    GameEnd end = GameEnd::none;
    Outcome outcome = Outcome::none;
    std::string qui_gagne;
    EndSound sound = EndSound::none;
    // In a rated match: the new ratings and the two lines that show them.
    std::optional<Ratings> new_ratings;
    std::string resultat_blanc;
    std::string resultat_noir;
    // Scored after a rated match, which can then not be scored again.
    MatchMode mode_match = MatchMode::none;
};

// Nothing when the rated match has already been scored (`MatchMode::scored`).
std::optional<GameEndReport> game_end_report(const GameEndInput& input);

} // namespace selvako
