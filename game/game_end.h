#pragma once
// What the end of a game shows and changes: the outcome, the sentence of the
// end-of-game panel, its sound, and in a rated match both new ratings.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "files/outcome.h"
#include "game/match_mode.h"
#include "game/rating.h"

namespace selvako {

enum class GameEndKind : std::uint8_t {
    no_move_after_human_move = 0,    // the side now to move is blocked or has no pieces
    draw = 1,                        // accepted offer or a stagnating computer game
    no_move_after_computer_move = 2, // the human's side is blocked or has no pieces
    human_over_time = 4,             // rated match: the computer wins on time
    computer_over_time = 5,          // rated match: the human wins on time
    resignation = 6,                 // the human resigns: the computer wins
};

enum class EndSound : std::uint8_t { none, win, loss };

// The file to play for a sound, empty for none.
std::string_view end_sound_file(EndSound sound);

struct GameEndInput {
    GameEndKind kind = GameEndKind::draw;
    // For the two kinds without a legal move: which sides can still move.
    bool white_can_move = true;
    bool black_can_move = true;
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

// A game between two computers that goes nowhere: from ply 251 on, the same
// number of pieces as 60 plies earlier and no forced result in the score.
// `material_by_ply` holds the number of pieces after each ply.
bool stagnation_draw(std::uint8_t num_demi_coup, std::span<const std::int32_t> material_by_ply,
                     std::int16_t last_score);

} // namespace selvako
