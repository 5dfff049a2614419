#pragma once
// The commands of the Analyse and Apprentissage menus and what the game
// controller keeps for them: the analysis under way, the "Apprendre ?"
// question, and the learning session.

#include <cstdint>
#include <filesystem>
#include <optional>

#include "game/command_effect.h"
#include "game/game_analysis.h"
#include "game/learning.h"
#include "game/levels.h"

namespace selvako {

namespace command {
// "Débuter une analyse"
struct StartAnalysis {
    static constexpr CommandEffect effect = CommandEffect::changes_game_under_analysis;
};
// "Arrêter cette phase", "Suivant": the best move so far
struct StopPhase {
    static constexpr CommandEffect effect = CommandEffect::immediate;
};
// "Terminer l'analyse", "Fin analyse"
struct EndAnalysis {
    static constexpr CommandEffect effect = CommandEffect::immediate;
};
// "Apprendre ?" answered yes, with the lesson file chosen.
struct Learn {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
    std::filesystem::path lesson_file;
};
// "Apprendre ?" answered no
struct DeclineLearning {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
// "Charger des leçons".
struct LoadLessons {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
    std::filesystem::path lesson_file;
};
// "Lancer une session": every game of the session is learned into this file.
struct StartSession {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
    std::filesystem::path lesson_file;
};
// "Arrêter la session"
struct StopSession {
    static constexpr CommandEffect effect = CommandEffect::immediate;
};
// A click on a line or a point of the analysis: that position on the board.
struct ShowAnalysedPly {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
    int ply = 0;
};
} // namespace command

// Level the session raises the budget to, for games worth learning from.
inline constexpr std::int32_t SESSION_BUDGET = 500;

struct AnalysisControl {
    GameAnalysis analysis;
    // The analysis window is on show (from the start of an analysis to its end).
    bool window_shown = false;
    // "Réflexion sur temps adverse" as it was before the analysis.
    bool reflexion_sauvee = false;
    // "Terminer l'analyse" came while a position was searched: the analysis
    // ends once that search has answered.
    bool fin_demandee = false;
    // "Apprendre ?" is on show.
    bool apprendre_offert = false;
    // What the last learning gave.
    std::optional<LearnOutcome> dernier_apprentissage;

    bool session = false;
    std::filesystem::path session_file;
    // The level before the session raised it, given back when it stops.
    std::optional<LevelParameters> niveau_avant_session;
    int parties_session = 0;
    int positions_apprises = 0;
};

} // namespace selvako
