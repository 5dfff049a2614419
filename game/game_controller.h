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
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/engine_state.h"
#include "files/game_file.h"
#include "files/game_text.h"
#include "files/player_files.h"
#include "game/analysis_control.h"
#include "game/clocks.h"
#include "game/commands.h"
#include "game/computer_play.h"
#include "game/game_end.h"
#include "game/game_import.h"
#include "game/game_observer.h"
#include "game/game_options.h"
#include "game/game_state.h"
#include "game/lessons.h"
#include "game/levels.h"
#include "game/move_input.h"
#include "game/permissions.h"
#include "game/position_editor.h"
#include "game/time_source.h"
#include "search/engine.h"

namespace selvako {

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
    // "last32.dam", the game "Quitter" leaves for the next run; beside
    // "points.dat" when empty.
    std::filesystem::path last_game = {};
};

class GameController {
  public:
    // The engine, the time source and the observer outlive the controller.
    GameController(Engine& engine, const TimeSource& time, GameObserver& observer,
                   GameFolders folders = {});
    GameController(const GameController&) = delete;
    GameController& operator=(const GameController&) = delete;

    // The one entry for commands. While a search runs, a command that changes
    // the game stops it (its result is thrown away) and waits, with any others
    // sent meanwhile, to run in the order sent once the search has returned.
    void command(const Command& c);

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
    // What the view's menus and buttons may do now; every change is
    // announced through GameObserver::permissions_changed.
    Permissions permissions() const;
    bool match_in_progress() const { return m_game.mode_match == MatchMode::playing; }
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
    // The settings "last32.dam" held when `ReadLastSettings` read it (the
    // defaults when there was none or it was refused), and where it is.
    const PersistentSettings& last_settings() const { return m_last_settings; }

  private:
    void apply(const Command& c);
    // Runs the commands that waited for a search, in the order they came.
    void run_waiting();
    void announce_permissions();

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
    // A new position is on the board: no frame of the old one stays, and the
    // game is open for play unless that position is over (no move for the
    // side to move): then no clock runs and no move is taken.
    void new_position_shown();
    bool position_over();
    void double_clic(int line);
    void toggle_human_opponent();
    void toggle_computer_against_computer();
    void inverser_joueurs();
    void clic(Square s);
    void clic1(Square s, bool may_play_at_once);
    void after_move(const InputResult& result);
    // `loser` names the side that lost a decisive end.
    void fin_partie(GameEnd end, int loser = 0);
    void fin_releve_plein();
    void offer_draw();
    void resign();
    void reset_clocks();
    void toggle_pause();
    void choisir_niveau(const LevelParameters& level);
    void resize_table(std::int16_t setting);
    // A lesson keeps the level in play; a game file brings its own.
    void ouvrir(const GameFileImage& image, bool keep_level = false);
    void charger_partie(const GameText& text);
    bool sauver(const std::filesystem::path& path);
    void quitter();
    // "last32.dam" as read now: nothing when there is none yet (the first
    // run); refused, with the error reported, when it cannot be trusted.
    std::optional<GameFileImage> read_last_game();
    void read_last_settings();
    void restore_last_game();
    // The engine's tables the "Paramétrage" menu changes (game_controller_engine_tables.cpp).
    void set_parameters(const EvalParameters& parameters);
    void load_parameters(const std::filesystem::path& path);
    void save_parameters(const std::filesystem::path& path);
    void set_repertoire(int side, const RepertoireLines& lines);
    void change_library(const command::ChangeLibrary& library);

    void set_up_mode(bool on);
    void placer_piece(Square s);
    void vider();
    void remplir_editeur();
    void change_direction();
    void change_computer_colour();
    void change_first_mover();
    void coller_fen(const std::string& text);
    // The edited board becomes ply 0 of a new record, no longer a match.
    void installer_position();
    void refuse(EditorRefusal why);
    void evaluer_position();

    void open_lesson(const std::filesystem::path& path);
    void step_lesson(bool reload);
    // Analysis and learning (game_controller_analysis.cpp).
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
    // Commands that came during a search and wait for it to return.
    std::deque<Command> m_waiting;
    Permissions m_announced;
    SearchResult m_last_search;
    PlayerList m_players;
    bool m_player_faults_reported = false;
    ReplayReport m_last_replay;
    PositionEditor m_editor;
    LessonFolder m_lessons;
    AnalysisControl m_analyse;
    PersistentSettings m_last_settings;
};

} // namespace selvako
