#pragma once
// The commands the game controller takes (`GameController::command`). Each
// type says itself, by its `effect`, whether it changes the game.

#include <cstdint>
#include <filesystem>
#include <string>
#include <type_traits>
#include <variant>

#include "engine/board.h"
#include "engine/repertoire.h"
#include "eval/parameters.h"
#include "files/game_file.h"
#include "files/game_text.h"
#include "game/analysis_control.h"
#include "game/command_effect.h"
#include "game/game_options.h"
#include "game/levels.h"

namespace selvako {

namespace command {
// "Nouveau": a training game with the computer playing Black.
struct NewGame {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
// The start-up sequence's game: start position, level 5, the computer Black.
struct StartUp {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
// A rated match against a player of the list: the human's name, line and
// rating, and the colour the computer plays.
struct StartMatch {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
    std::string name;
    std::int32_t index = -1;
    std::int32_t rating = 1500;
    std::int32_t computer_rating = 2050;
    std::uint8_t couleur_ordinateur = BLACK;
    // Started from the new-game panel: the line and both ratings come from
    // the player list by the name that plays; `index` and the ratings above
    // are not used.
    bool from_list = false;
};
// The new-game panel's training game against the computer.
struct StartTraining {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
    std::string name = "Mister X";
    std::uint8_t couleur_ordinateur = BLACK;
};
// The new-game panel's game between two humans.
struct StartHumanGame {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
    std::string blanc;
    std::string noir;
};
// "Changer les noms": the names of the game on show.
struct ChangeNames {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
    std::string blanc;
    std::string noir;
};
// Reads "joueurs.dat" and "points.dat" for the panels that show the list.
// The new-game panel also forgets the last result: from then on the game
// has none until it ends.
struct LoadPlayers {
    static constexpr CommandEffect effect = CommandEffect::immediate;
    bool for_new_game = false;
};
// "Nouveau joueur" and "Effacer un joueur"; both files change together.
struct NewPlayer {
    static constexpr CommandEffect effect = CommandEffect::immediate;
    std::string name;
    std::int32_t rating = 1600;
};
struct DeletePlayer {
    static constexpr CommandEffect effect = CommandEffect::immediate;
    std::int32_t index = 0;
};
// "Ramener Selvako à 2050": the computer's rating in the list shown; the file
// takes it when the next rated game ends.
struct ResetComputerRating {
    static constexpr CommandEffect effect = CommandEffect::immediate;
};
// "Humain contre humain" toggled
struct HumanAgainstHuman {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
// "Ordinateur contre ordinateur" toggled
struct ComputerAgainstComputer {
    static constexpr CommandEffect effect = CommandEffect::immediate;
};
// "Inverser les joueurs"
struct SwapPlayers {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
struct Back {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
struct Forward {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
struct ToStart {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
struct ToEnd {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
struct ToLine {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
    int line = 0;
};
// Ctrl+Z: back to the human's last turn against the computer (the last move
// pair, or the human's own move while the computer is to answer it); one
// ply between two humans.
struct TakeBack {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
// "Taille des tables de transposition": one of the settings of TABLE_SIZES
// (10 for "0 Mo" ... 2000 for "25Mo"); 0 stands for the default, 100.
struct SetTableSize {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
    std::int16_t setting = 100;
};
// A click on a board square (1..32), already turned by the view.
struct SquareClicked {
    static constexpr CommandEffect effect = CommandEffect::immediate;
    Square square = 0;
};
// the search plays its best move so far
struct StopThinking {
    static constexpr CommandEffect effect = CommandEffect::immediate;
};
struct OfferDraw {
    static constexpr CommandEffect effect = CommandEffect::immediate;
};
// the computer's offer
struct AcceptDraw {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
// the computer's offer
struct DeclineDraw {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
struct Resign {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
struct CloseEndPanel {
    static constexpr CommandEffect effect = CommandEffect::immediate;
};
struct SetLevel {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
    LevelParameters level;
};
struct ClocksToZero {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
struct TogglePause {
    static constexpr CommandEffect effect = CommandEffect::immediate;
};
struct SetOptions {
    static constexpr CommandEffect effect = CommandEffect::immediate;
    GameOptions options;
};
struct SetLanguage {
    static constexpr CommandEffect effect = CommandEffect::immediate;
    std::uint8_t langue = 0;
};
struct Open {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
    GameFileImage image;
};
// Saves the game as a file.
struct Save {
    static constexpr CommandEffect effect = CommandEffect::immediate;
    std::filesystem::path path;
};
// "Quitter": saves the game as "last32.dam" and ends.
struct Quit {
    static constexpr CommandEffect effect = CommandEffect::changes_game_under_analysis;
};
// The first activation: the settings of "last32.dam" (language, level, table
// size), kept as `last_settings()`; the game in progress is not touched.
struct ReadLastSettings {
    static constexpr CommandEffect effect = CommandEffect::immediate;
};
// A start-screen theme button: the game "last32.dam" holds replaces the
// game in progress (nothing when there is no such file yet).
struct RestoreLastGame {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
// A game read from a text or PDN file, the clipboard or a FEN: it replaces the
// game in progress, replayed move by move from its start.
struct LoadGame {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
    GameText game;
};
// The window is closed: the program ends without saving.
struct Close {
    static constexpr CommandEffect effect = CommandEffect::immediate;
};
// The position set-up editor. `SetUpMode` switches it on or off; leaving it
// hands the move to the computer when it was told to move first.
struct SetUpMode {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
    bool on = true;
};
// The piece a board click puts down in set-up mode (EMPTY clears a square).
struct ChoosePiece {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
    std::uint8_t piece = EMPTY;
};
// "Vider le damier"
struct EmptyBoard {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
// "Remplir le damier"
struct FillBoard {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
// which way White moves; the view turns over
struct ChangeDirection {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
// "Ordinateur noir" / "Ordinateur blanc"
struct ChangeComputerColour {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
// "Joueur joue" / "Ordinateur joue"
struct ChangeFirstMover {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
// A position as text (FEN), set up in one step; bad text changes nothing.
struct PasteFen {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
    std::string text;
};
// "Leçons, exercices et problèmes": the lesson chosen in the dialog, which
// also places the folder's steps on it.
struct OpenLesson {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
    std::filesystem::path path;
};
// "Suivant ->": the folder's next lesson
struct NextLesson {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
// "Revoir coup": the present lesson again, from its file
struct ReviewLesson {
    static constexpr CommandEffect effect = CommandEffect::changes_game;
};
// "Paramétrage": the engine's evaluation parameters and opening repertoires.
// The editor's OK: the set as edited.
struct SetParameters {
    static constexpr CommandEffect effect = CommandEffect::changes_engine_tables;
    EvalParameters parameters;
};
// "Charger des paramètres": a ".par" file; one that cannot be read changes nothing.
struct LoadParameters {
    static constexpr CommandEffect effect = CommandEffect::changes_engine_tables;
    std::filesystem::path path;
};
// "Sauver les paramètres"
struct SaveParameters {
    static constexpr CommandEffect effect = CommandEffect::immediate;
    std::filesystem::path path;
};
// A repertoire editor's list for `side`, once written as the active file.
struct SetRepertoire {
    static constexpr CommandEffect effect = CommandEffect::changes_engine_tables;
    std::uint8_t side = WHITE;
    RepertoireLines lines;
};
// "Changer de bibliothèque d'ouvertures": the library of `marker` becomes
// the active pair of files in `active_folder`, and the engine's lists.
struct ChangeLibrary {
    static constexpr CommandEffect effect = CommandEffect::changes_engine_tables;
    std::filesystem::path marker;
    std::filesystem::path active_folder;
};
} // namespace command

using Command = std::variant<
    command::NewGame, command::StartUp, command::StartMatch, command::HumanAgainstHuman,
    command::ComputerAgainstComputer, command::SwapPlayers, command::Back, command::Forward,
    command::ToStart, command::ToEnd, command::ToLine, command::SquareClicked,
    command::StopThinking, command::OfferDraw, command::AcceptDraw, command::DeclineDraw,
    command::Resign, command::CloseEndPanel, command::SetLevel, command::ClocksToZero,
    command::TogglePause, command::SetOptions, command::SetLanguage, command::Open, command::Save,
    command::Quit, command::Close, command::TakeBack, command::SetTableSize, command::StartTraining,
    command::StartHumanGame, command::ChangeNames, command::LoadPlayers, command::NewPlayer,
    command::DeletePlayer, command::ResetComputerRating, command::LoadGame, command::SetUpMode,
    command::ChoosePiece, command::EmptyBoard, command::FillBoard, command::ChangeDirection,
    command::ChangeComputerColour, command::ChangeFirstMover, command::PasteFen,
    command::OpenLesson, command::NextLesson, command::ReviewLesson, command::ReadLastSettings,
    command::RestoreLastGame, command::SetParameters, command::LoadParameters,
    command::SaveParameters, command::SetRepertoire, command::ChangeLibrary,
    // The Analyse and Apprentissage menus (game/analysis_control.h).
    command::StartAnalysis, command::StopPhase, command::EndAnalysis, command::Learn,
    command::DeclineLearning, command::LoadLessons, command::StartSession, command::StopSession,
    command::ShowAnalysedPly>;

// Whether a command changes the game (and so waits for a running search).
inline CommandEffect effect_of(const Command& c) {
    return std::visit([](const auto& x) { return std::decay_t<decltype(x)>::effect; }, c);
}

} // namespace selvako
