#pragma once
// Games of the engine against itself that give the evaluation something to
// be fitted to: each starts with a few random plies, so that no two games
// are alike, is played at a fixed depth, and yields its quiet positions
// labelled with the game's result.

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_state.h"
#include "engine/fen.h"
#include "search/engine.h"

namespace selvako::tuning {

struct TrainingPosition {
    Position position;
    // White's points from the game: 1, 0.5 or 0.
    double result = 0.5;
};

struct TrainingGameSettings {
    int depth = 6;
    int random_plies = 6;
};

// No capture for either side: the static score can be trusted there, while
// with a capture pending it only measures a moment of an exchange.
bool is_quiet(EngineState& work, const Position& position);

// One game; its quiet positions after the random plies, nothing when the
// random plies ended the game.
std::vector<TrainingPosition> play_training_game(Engine& engine, std::mt19937& random,
                                                 const TrainingGameSettings& settings);

// "W:W...:B... 1" with the result written 1, 0.5 or 0.
std::string training_line(const TrainingPosition& position);
std::optional<TrainingPosition> parse_training_line(std::string_view line);

} // namespace selvako::tuning
