#pragma once
// Learning the final position of an analysed game: its analysed score is
// stored in the table of learned positions and the whole table is written to
// a lesson file. Only balanced endings of games long enough are learned.

#include <cstdint>
#include <filesystem>

#include "engine/board.h"
#include "search/engine.h"

namespace selvako {

class GameAnalysis;

// Material as the learning weighs it: a man 3, a king 1. The weights look
// backwards but are meant: two men against a king (6 to 1) is no position
// to teach the engine a score for.
struct LearningMaterial {
    int white = 0;
    int black = 0;
};
LearningMaterial learning_material(const BoardArray& board);

// The sides differ by less than 3 and more than 20 plies were played.
bool worth_learning(const BoardArray& final_position, int plies);

enum class LearnOutcome {
    learned,
    not_worth_it, // unbalanced, or 20 plies or fewer: nothing is asked
    not_analysed, // the analysis did not score the game's last position
    write_failed, // "Impossible d'ouvrir ce fichier"; the table is unchanged
};

// Whether the analysis's game would be learned, before a file is chosen.
LearnOutcome can_learn(const GameAnalysis& analysis);

// Stores the analysed score of the game's last position (unless its slot
// holds a decisive score) and writes the whole table to `lesson_file`. The
// table in the engine changes only when the file was written.
LearnOutcome Apprendreposition(Engine& engine, const GameAnalysis& analysis,
                               const std::filesystem::path& lesson_file);

} // namespace selvako
