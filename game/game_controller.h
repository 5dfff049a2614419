#pragma once
// The game in progress and everything that changes it. The controller owns
// the game (position, record, clocks, modes, whose turn), takes every command
// through `command()`, and runs the game loop one pass at a time
// (`boucle_jeu`). The computer's search runs inside a pass, on the caller's
// thread; a command that arrives meanwhile (from the view's event processing
// in `GameObserver::process_events`) and would change the game stops the
// search, and runs once it has returned. Views read the state and redraw when
// told; they hold none of it.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/engine_state.h"
#include "game/analysis_control.h"
#include "files/game_file.h"
#include "files/game_text.h"
#include "files/player_files.h"
#include "game/clocks.h"
#include "game/computer_play.h"
#include "game/game_end.h"
#include "game/game_import.h"
#include "game/game_observer.h"
#include "game/game_options.h"
#include "game/game_state.h"
#include "game/lessons.h"
#include "game/levels.h"
#include "game/move_input.h"
#include "game/position_editor.h"
#include "game/time_source.h"
#include "search/engine.h"

namespace selvako {

namespace command {
// "Nouveau": a training game with the computer playing Black.
struct NewGame {};
// The start-up sequence's game: start position, level 5, the computer Black.
struct StartUp {};
// A rated match against a player of the list: the human's name, line and
// rating, and the colour the computer plays.
struct StartMatch {
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
    std::string name = "Mister X";
    std::uint8_t couleur_ordinateur = BLACK;
};
// The new-game panel's game between two humans.
struct StartHumanGame {
    std::string blanc;
    std::string noir;
};
// "Changer les noms": the names of the game on show.
struct ChangeNames {
    std::string blanc;
    std::string noir;
};
// Reads "joueurs.dat" and "points.dat" for the panels that show the list.
// The new-game panel also forgets the last result: from then on the game
// has none until it ends.
struct LoadPlayers {
    bool for_new_game = false;
};
// "Nouveau joueur" and "Effacer un joueur"; both files change together.
struct NewPlayer {
    std::string name;
    std::int32_t rating = 1600;
};
struct DeletePlayer {
    std::int32_t index = 0;
};
// "Ramener Selvako à 2050": the computer's rating in the list shown; the file
// takes it when the next rated game ends.
struct ResetComputerRating {};
struct HumanAgainstHuman {};       // "Humain contre humain" toggled
struct ComputerAgainstComputer {}; // "Ordinateur contre ordinateur" toggled
struct SwapPlayers {};             // "Inverser les joueurs"
struct Back {};
struct Forward {};
struct ToStart {};
struct ToEnd {};
struct ToLine {
    int line = 0;
};
// Ctrl+Z: back to the human's last turn against the computer (the last move
// pair, or the human's own move while the computer is to answer it); one
// ply between two humans.
struct TakeBack {};
// "Taille des tables de transposition": one of the settings of TABLE_SIZES
// (10 for "0 Mo" ... 2000 for "25Mo"); 0 stands for the default, 100.
struct SetTableSize {
    std::int16_t setting = 100;
};
// A click on a board square (1..32), already turned by the view.
struct Click {
    Square square = 0;
};
struct StopThinking {}; // the search plays its best move so far
struct OfferDraw {};
struct AcceptDraw {};  // the computer's offer
struct DeclineDraw {}; // the computer's offer
struct Resign {};
struct CloseEndPanel {};
struct SetLevel {
    LevelParameters level;
};
struct ClocksToZero {};
struct TogglePause {};
struct SetOptions {
    GameOptions options;
};
struct SetLanguage {
    std::uint8_t langue = 0;
};
struct Open {
    GameFileImage image;
};
// Saves the game as a file; "Quitter" saves "last32.dam" this way and ends.
struct Save {
    std::filesystem::path path;
};
struct Quit {
    std::filesystem::path last_game;
};
// A game read from a text or PDN file, the clipboard or a FEN: it replaces the
// game in progress, replayed move by move from its start.
struct LoadGame {
    GameText game;
};
// The window is closed: the program ends without saving.
struct Close {};
// The position set-up editor. `SetUpMode` switches it on or off; leaving it
// hands the move to the computer when it was told to move first.
struct SetUpMode {
    bool on = true;
};
// The piece a board click puts down in set-up mode (EMPTY clears a square).
struct ChoosePiece {
    std::uint8_t piece = EMPTY;
};
struct EmptyBoard {};           // "Vider le damier"
struct FillBoard {};            // "Remplir le damier"
struct ChangeDirection {};      // which way White moves; the view turns over
struct ChangeComputerColour {}; // "Ordinateur noir" / "Ordinateur blanc"
struct ChangeFirstMover {};     // "Joueur joue" / "Ordinateur joue"
// A position as text (FEN), set up in one step; bad text changes nothing.
struct PasteFen {
    std::string text;
};
// "Leçons, exercices et problèmes": the lesson chosen in the dialog, which
// also places the folder's steps on it.
struct OpenLesson {
    std::filesystem::path path;
};
struct NextLesson {};   // "Suivant ->": the folder's next lesson
struct ReviewLesson {}; // "Revoir coup": the present lesson again, from its file
} // namespace command

using Command = std::variant<
    command::NewGame, command::StartUp, command::StartMatch, command::HumanAgainstHuman,
    command::ComputerAgainstComputer, command::SwapPlayers, command::Back, command::Forward,
    command::ToStart, command::ToEnd, command::ToLine, command::Click, command::StopThinking,
    command::OfferDraw, command::AcceptDraw, command::DeclineDraw, command::Resign,
    command::CloseEndPanel, command::SetLevel, command::ClocksToZero, command::TogglePause,
    command::SetOptions, command::SetLanguage, command::Open, command::Save, command::Quit,
    command::Close, command::TakeBack, command::SetTableSize, command::StartTraining,
    command::StartHumanGame, command::ChangeNames, command::LoadPlayers, command::NewPlayer,
    command::DeletePlayer, command::ResetComputerRating, command::LoadGame, command::SetUpMode,
    command::ChoosePiece, command::EmptyBoard, command::FillBoard, command::ChangeDirection,
    command::ChangeComputerColour, command::ChangeFirstMover, command::PasteFen,
    command::OpenLesson, command::NextLesson, command::ReviewLesson,
    // The Analyse and Apprentissage menus (game/analysis_control.h).
    command::StartAnalysis, command::StopPhase, command::EndAnalysis, command::Learn,
    command::DeclineLearning, command::LoadLessons, command::StartSession, command::StopSession,
    command::ShowAnalysedPly>;

// Who is to move, for the indicator beside the clocks.
enum class TurnHolder : std::uint8_t {
    human,    // a human plays the side to move
    computer, // the computer is to move or thinking
    nobody,   // the game has ended
};
struct Turn {
    std::uint8_t side = WHITE;
    TurnHolder holder = TurnHolder::human;
    // The human was given the computer's colour (after stepping through the
    // record or opening a file): the computer waits until it is handed the
    // move again ("Inverser les joueurs") or the human plays.
    bool computer_waits = false;

    friend bool operator==(const Turn&, const Turn&) = default;
};

// Where rated matches write their players' new ratings.
struct GameFolders {
    std::filesystem::path points; // "points.dat"
    // "joueurs.dat"; beside "points.dat" when empty.
    std::filesystem::path joueurs = {};
};

class GameController {
  public:
    // The engine, the time source and the observer outlive the controller.
    GameController(Engine& engine, const TimeSource& time, GameObserver& observer,
                   GameFolders folders = {});
    GameController(const GameController&) = delete;
    GameController& operator=(const GameController&) = delete;

    // The one entry for commands. While a search runs, a command that changes
    // the game stops it (its result is thrown away) and runs after it.
    void command(const Command& c);
    // Whether a command changes the game (and so waits for a search to end).
    static bool changes_game(const Command& c);

    // One pass of the game loop; asks the observer for the next pass
    // (`pass_wanted`) when the computer is to move again.
    void boucle_jeu();
    // The one-second clock timer.
    void ajouter_temps();

    const GameState& game() const { return m_game; }
    const GameClocks& clocks() const { return m_clocks; }
    const MoveInput& input() const { return m_input; }
    const GameOptions& options() const { return m_options; }
    const ComputerPlay& computer() const { return m_computer; }
    const GameNotices& notices() const { return m_notices; }
    // What the last search of the computer found (its own or on the human's time).
    const SearchResult& last_search() const { return m_last_search; }
    // The computer's own search or its thinking on the human's time.
    bool searching() const { return m_searching; }
    bool pondering() const { return m_searching && m_computer.reflexion; }
    bool computer_thinking() const { return m_searching && !m_computer.reflexion; }
    // The computer is to move in the present mode.
    bool computer_to_move() const;
    Turn turn() const;
    // Whether a file image of the game as it stands would be written.
    GameFileImage file_image() const;
    bool finished() const { return m_game.fin_programme != 0; }
    // The player list as last read by `LoadPlayers` or changed by a command.
    const PlayerList& players() const { return m_players; }
    // What the last LoadGame replayed and passed over.
    const ReplayReport& last_replay() const { return m_last_replay; }
    // The set-up editor: the piece to place, who moves first, the last refusal.
    const PositionEditor& editor() const { return m_editor; }
    // The lesson on show, if any, and its folder.
    const LessonFolder& lessons() const { return m_lessons; }
    // The analysis, "Apprendre ?" and the learning session.
    const AnalysisControl& analysis() const { return m_analyse; }

  private:
    void apply(const Command& c);
    void run_deferred();

    void Introduction();
    void nouveau();
    void commencer_match(const command::StartMatch& match);
    void commencer_entrainement(const command::StartTraining& training);
    void commencer_humains(const command::StartHumanGame& humans);
    void changer_noms(const command::ChangeNames& names);
    // The player files, read again; false (and the error reported) when they
    // cannot be trusted. Their faults are reported once a run.
    bool charger_joueurs();
    bool ecrire_joueurs();
    void nouveau_joueur(const command::NewPlayer& player);
    void effacer_joueur(std::int32_t index);
    void ecrire_classements(const Ratings& ratings);
    void remplir();
    // Any piece picked up is put back, with its frames and notice.
    void drop_input();
    void naviguer(bool (*step)(GameState&, GameClocks&));
    void reprendre_paire();
    // A new position is on the board: no frame of the old one stays, and an
    // ended game opens again for play.
    void new_position_shown();
    void double_clic(int line);
    void Ordinateur();
    void Ordinateurcontreordinateur();
    void inverser_joueurs();
    void clic(Square s);
    void clic1(Square s, bool may_play_at_once);
    void after_move(const InputResult& result);
    // `loser` names the side that lost a decisive end.
    void fin_partie(GameEnd end, int loser = 0);
    void fin_releve_plein();
    void ProposernulClick();
    void AbandonClick();
    void Horlogeszro();
    void Pause();
    void choisir_niveau(const LevelParameters& level);
    void resize_table(std::int16_t setting);
    void ouvrir(const GameFileImage& image);
    void charger_partie(const GameText& text);
    bool sauver(const std::filesystem::path& path);
    void quitter(const std::filesystem::path& last_game);

    void Entrerpositionclick(bool on);
    void placer_piece(Square s);
    void vider();
    void remplir_editeur();
    void Change_dir();
    void Change_couleur();
    void Couleur_joue();
    void coller_fen(const std::string& text);
    // The edited board becomes ply 0 of a new record, no longer a match.
    void installer_position();
    void refuse(EditorRefusal why);
    void evaluer_position();

    void Problmes1Click(const std::filesystem::path& path);
    void Button1Click(bool reload);
    // Analysis and learning (game_controller_analysis.cpp).
    static bool analysis_command(const Command& c);
    void Analyser();
    // One position of a running analysis; false when none runs.
    bool analyse_pas();
    void pause_analyse();
    void fin_analyse();
    void montrer_demi_coup(int ply);
    void montrer_analyse(int ply);
    void apprendre(const std::filesystem::path& lesson_file);
    void charger_lecons(const std::filesystem::path& lesson_file);
    void lancer_session(const std::filesystem::path& lesson_file);
    void arreter_session();
    void fin_partie_session();
    void suite_session(bool learn);

    void coup_ordinateur();
    void reflechir();
    SearchResult lancer_recherche(bool ponder);
    void poll_recherche();
    void horloge_recherche(std::int32_t total);
    // True when a rated match was lost on time.
    bool controle_temps();
    void show_clocks();
    void changed();

    Engine& m_engine;
    GameObserver& m_observer;
    GameFolders m_folders;
    GameState m_game;
    GameClocks m_clocks;
    MoveInput m_input;
    GameOptions m_options;
    ComputerPlay m_computer;
    GameNotices m_notices;
    // The move generator's workspace: loaded from the game's board whenever
    // moves are generated, never a second copy of the position.
    EngineState m_work;
    bool m_searching = false;
    std::optional<Command> m_deferred;
    SearchResult m_last_search;
    PlayerList m_players;
    bool m_player_faults_reported = false;
    ReplayReport m_last_replay;
    PositionEditor m_editor;
    LessonFolder m_lessons;
    AnalysisControl m_analyse;
};

} // namespace selvako
