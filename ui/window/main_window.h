#pragma once
// The program's window: the start screen, the 2D board with its side panels,
// the move list and the menus. It wires menus, buttons and board clicks to
// the game controller and redraws when the controller says the game changed;
// the game itself, its clocks and modes live in the controller. The
// "Paramétrage" menu, the analysis menus, the 3D view and the game's files
// are parts of their own that it builds and wires.

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>

#include <array>
#include <string_view>
#include <vector>

#include "game/game_controller.h"
#include "game/game_session.h"
#include "ui/board/board_images.h"
#include "ui/board/board_view.h"
#include "ui/board/side_panel.h"
#include "ui/calcul/calcul_page.h"
#include "ui/help/about_panel.h"
#include "ui/help/help_pages.h"
#include "ui/help/help_window.h"
#include "ui/i18n/languages.h"
#include "ui/panels/board_panels.h"
#include "ui/panels/end_of_game_panel.h"
#include "ui/panels/problem_page.h"
#include "ui/sound/sound_player.h"
#include "ui/window/app_config.h"
#include "ui/window/captioned_items.h"
#include "ui/window/error_reporter.h"
#include "ui/window/game_loop.h"
#include "ui/window/intro_screen.h"
#include "ui/window/level_menu.h"
#include "ui/window/permission_signals.h"
#include "ui/window/window_context.h"

class QMenu;
class QTabWidget;
class QVBoxLayout;

namespace selvako {

class AnalysisMenus;
class GameFileHandler;
class LessonControls;
class ParametrageMenu;
class PlayerPanels;
class View3d;

class MainWindow : public QMainWindow, private GameObserver {
    Q_OBJECT
  public:
    // The sound player and the session (engine and controller) outlive the
    // window: the program's main builds one of each, tests their own.
    MainWindow(const AppConfig& config, SoundPlayer& sound, GameSession& session,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The first activation: reads the settings of "last32.dam" and shows the start screen.
    void FormActivate();
    // The start screen's 2D board button: the start-up sequence, then the game.
    void choisir_damier_2d();
    // A start-screen theme button (1..8): the start-up sequence, the theme
    // (Classique when it is not offered) and, when asked, the last game.
    // False when no 3D theme could be shown.
    bool choisir_damier_3d(int theme, bool restore_last);
    // Applies a language as its menu item does (0 Français ... 5 Italiano).
    void choisir_langue(int langue);
    // "Quitter": writes "last32.dam" and ends the program.
    void quitter();
    // The menu item or menu of a key of the caption table, or null.
    QAction* action(std::string_view key) const { return m_items.action(key); }
    // "Ouvrir", "Sauver", the text files, the clipboard and "Imprimer".
    GameFileHandler& game_files() const { return *m_files; }
    // The lessons: "Leçons, exercices et problèmes", "Suivant ->", "Revoir coup".
    LessonControls& lessons() const { return *m_lessons; }

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // What the controller tells the window.
    void game_changed() override;
    void permissions_changed(const Permissions& now) override;
    void pass_wanted() override;
    void process_events() override;
    void thinking_started() override;
    void thinking_finished() override;
    void search_progress(const SearchProgress& progress) override;
    void clock_shown(int side, std::int32_t seconds) override;
    void move_played(const BoardArray& before, const Move& move, const std::vector<Square>& walk,
                     bool by_computer) override;
    bool showing_move() const override;
    void game_ended(const GameEndReport& report) override;
    void play_sound(std::string_view file) override;
    void error(GameError kind) override;
    void refused(const FileRefusal& refusal) override;
    void program_ended() override;

    void send(const Command& c);
    void build_menus();
    void build_game_area();
    void build_parts();
    QAction* add_toggle(QMenu* menu, const char* key, bool checked);
    void apply_captions(int langue);
    bool start_screen_shown() const;
    void send_options();
    void Introduction();
    void clic(int x, int y);
    void N8Autre1Click();
    void Inverser();
    void numerotation();
    void a_propos();
    // "Documentation" and "Règles": the help window on the page of the language.
    void Guide1Click();
    void Rgles1Click();
    void open_help(HelpBook book);
    void Best1Click();
    // The "Probleme" tab and "Installer une position", wired to the editor's commands.
    void build_problem_page();
    void Installeruneposition1Click();
    void OngletChange(int index);
    void show_problem_page();

    void refresh();
    // Match, training or human against human, as the header says it.
    QString kind_of_game() const;
    void show_options();
    // Menu items and buttons follow the controller's permissions.
    void wire_permissions();
    void compter_pions();
    // Whose move it is, beside the clocks.
    void show_turn();
    // Where the last move's squares are drawn on the board widget.
    QRect last_move_area() const;
    // Escape: the piece picked up goes back, as a click on it would.
    void poser_piece();
    // Qt's own dialogs in the interface language.
    void load_qt_translations(int langue);
    void sync_move_list();
    void place_side_panels();
    void report_missing_images(const QStringList& missing);
    int langue_cochee() const { return m_context.langue(); }

    AppConfig m_config;
    SoundPlayer& m_sound;
    GameSession& m_session;
    GameController& m_controller;
    bool m_startup_done = false;
    CaptionedItems m_items;
    ErrorReporter m_errors;
    WindowContext m_context;
    DisplayState m_display;
    QTimer m_timer1;
    BoardImages m_images;
    GameLoop m_loop;
    bool m_activated = false;
    bool m_images_reported = false;
    PermissionSignals m_permissions;
    QTranslator m_qt_translator;

    ParametrageMenu* m_parametrage = nullptr;
    AnalysisMenus* m_analysis = nullptr;
    View3d* m_view3d = nullptr;
    GameFileHandler* m_files = nullptr;
    LessonControls* m_lessons = nullptr;
    PlayerPanels* m_players = nullptr;

    QStackedWidget* m_stack = nullptr;
    IntroScreen* m_intro = nullptr;
    QWidget* m_game_area = nullptr;
    BoardView* m_board = nullptr;
    SidePanel* m_panel6 = nullptr; // Black's panel, at the top in the normal view
    SidePanel* m_panel7 = nullptr;
    QVBoxLayout* m_column = nullptr;
    QLabel* m_panel11 = nullptr;
    QListWidget* m_liste = nullptr;
    std::array<QToolButton*, 4> m_navigation{};
    QToolButton* m_speedbutton3 = nullptr;
    std::array<QLabel*, 3> m_capture_notice{}; // Label29, Label30, Label31
    EndOfGamePanel* m_fin_de_parties = nullptr;
    AutrePanel* m_panel9 = nullptr;
    CalculPage* m_calcul = nullptr;
    QTabWidget* m_pages = nullptr;
    ProblemPage* m_probleme = nullptr;
    QAction* m_installer = nullptr;
    // The tab shown before "Probleme", for the way back.
    int m_previous_tab = 0;
    DrawOfferPanel* m_match_nul = nullptr;
    LevelMenu* m_levels = nullptr;
    QPushButton* m_proposernul = nullptr;
    QPushButton* m_nulrefus = nullptr;
    QPushButton* m_abandon1 = nullptr;
    QLabel* m_zut = nullptr;

    std::vector<QMenu*> m_game_menus;
    QMenu* m_fichier = nullptr;
    QMenu* m_edition = nullptr;
    QMenu* m_affichage = nullptr;
    QMenu* m_options = nullptr;
    QMenu* m_joueurs = nullptr;
    QMenu* m_niveau = nullptr;
    QMenu* m_langue_menu = nullptr;
    QAction* m_hvh = nullptr;
    QAction* m_cvc = nullptr;
    QAction* m_nouveau = nullptr;
    QAction* m_ouvrir = nullptr;
    QAction* m_sauver = nullptr;
    QAction* m_imprimer = nullptr;
    QAction* m_quitter = nullptr;
    QAction* m_pause1 = nullptr; // "Arrêt du calcul"
    QAction* m_horloges = nullptr;
    QAction* m_pause2 = nullptr; // "Pause"
    QAction* m_reflexion = nullptr;
    QAction* m_arret_clic = nullptr;
    QAction* m_indication = nullptr;
    QAction* m_bip = nullptr;
    QAction* m_autres = nullptr;
    QAction* m_inverser = nullptr;
    QAction* m_numeroter = nullptr;
    QAction* m_decomposer = nullptr;
    QAction* m_reprendre_paire = nullptr; // Ctrl+Z
    HelpWindow* m_aide = nullptr;
    AboutPanel* m_apropos = nullptr;
    // The six language items, by language index.
    std::array<QAction*, LANGUAGE_COUNT> m_langues{};
    // "Taille des tables de transposition", one item per size of TABLE_SIZES.
    std::vector<QAction*> m_tailles;
};

} // namespace selvako
