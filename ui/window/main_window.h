#pragma once
// The program's window: the start screen, the 2D board with its side panels,
// the move list and the menus. It wires menus, buttons and board clicks to
// the game controller and redraws when the controller says the game changed;
// the game itself, its clocks and modes live in the controller.

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
#include <functional>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/transposition_table.h"
#include "files/game_text.h"
#include "game/game_controller.h"
#include "game/game_session.h"
#include "game/time_source.h"
#include "game/time_source_search_clock.h"
#include "search/engine.h"
#include "ui/board/board_images.h"
#include "ui/board/board_view.h"
#include "ui/board/side_panel.h"
#include "ui/board3d/panel10.h"
#include "ui/board3d/theme_images.h"
#include "ui/calcul/calcul_page.h"
#include "ui/help/about_panel.h"
#include "ui/help/help_pages.h"
#include "ui/help/help_window.h"
#include "ui/i18n/captions.h"
#include "ui/lessons/lesson_text_window.h"
#include "ui/panels/board_panels.h"
#include "ui/panels/change_names_panel.h"
#include "ui/panels/delete_player_panel.h"
#include "ui/panels/end_of_game_panel.h"
#include "ui/panels/new_game_panel.h"
#include "ui/panels/new_player_panel.h"
#include "ui/panels/problem_page.h"
#include "ui/parameters/parameter_editor.h"
#include "ui/print/score_sheet_print.h"
#include "ui/repertoire/repertoire_editor.h"
#include "ui/sound/sound_player.h"
#include "ui/window/app_config.h"
#include "ui/window/game_loop.h"
#include "ui/window/intro_screen.h"
#include "ui/window/level_menu.h"
#include "ui/window/permission_signals.h"

class QMenu;
class QPrinter;

namespace selvako {
class AnalysisWindow;
}
class QTabWidget;
class QVBoxLayout;

namespace selvako {

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
    // The "Affichage" items: a 3D theme, and the 2D board. False when the
    // theme is not offered or its images could not all be read; the board
    // in use is then unchanged.
    bool choisir_theme(int theme);
    void Damier2D1Click();
    // "Editer l'image" once a file name is chosen: the 3D picture as shown.
    bool editer_image(const QString& path);
    const ThemeImages& theme_images() const { return m_theme_images; }
    // "Ouvrir" and "Sauver" once a file is chosen. False when the file could
    // not be read or written; the game in memory is then unchanged.
    bool ouvrir_fichier(const QString& path);
    bool sauver_fichier(const QString& path);
    // The score sheet as text, or as PDN when the name ends in ".pdn".
    bool ecrire_fichier_texte(const QString& path);
    // A text or PDN file; with several games the chooser asks which.
    bool lire_fichier_texte(const QString& path);
    // The Edition menu's clipboard: the position as FEN, the game as PDN;
    // pasting takes a FEN (a new game from it, the human to move) or PDN
    // games, and refuses any other text with one message, nothing changed.
    void copier_position();
    void copier_partie();
    bool coller();
    // The same with the text given: a FEN position or PDN games.
    bool coller_texte(const std::string& text);
    // The score sheet on `printer`, as "Imprimer" prints it once the print
    // dialog is confirmed. False, with the error shown, when it could not start.
    bool imprimer(QPrinter& printer);
    // "Quitter": writes "last32.dam" and ends the program.
    void quitter();
    // A lesson once chosen in the dialog; false when it could not be read.
    bool ouvrir_lecon(const QString& path);
    void lecon_suivante(); // "Suivant ->"
    void revoir_coup();    // "Revoir coup"

    const GameController& controller() const { return m_controller; }
    const DisplayState& display() const { return m_display; }
    BoardView* board_view() const { return m_board; }
    QListWidget* move_list() const { return m_liste; }
    QPushButton* button(std::string_view key) const;
    // One tick of the one-second clock timer.
    void ajouter_temps();
    bool capture_notice_visible() const { return m_label29->isVisible(); }
    // Whether Qt's own texts (file dialogs, questions) are translated.
    bool qt_translated() const { return !m_qt_translator.isEmpty(); }
    // The menu item or button of a component of the caption table, or null.
    QAction* action(std::string_view key) const;
    QToolButton* navigation_button(int index) const { return m_navigation[index]; }
    // Applies a language as its menu item does (0 Français ... 5 Italiano).
    void choisir_langue(int langue);
    // Every error message shown so far, in order.
    const QStringList& reported_errors() const { return m_reported; }
    // The analysis window's "Editer analyse" to a chosen file and
    // "Imprimer analyse" on a chosen printer.
    bool editer_analyse(const QString& path);
    bool imprimer_analyse(QPrinter& printer);
    // The language whose item is checked, tested in the usual order, French by default.
    int langue_cochee() const;
    // The "Paramétrage" menu once its file dialog is answered. False, with the
    // error shown and nothing changed, when a file cannot be read or written.
    bool changer_bibliotheque(const QString& marker);
    bool sauver_parametres(const QString& path);
    bool charger_parametres(const QString& path);
    // Tests answer the file dialogs of that menu (an empty name cancels).
    void answer_file_dialogs(std::function<QString()> answer) { m_file_answer = std::move(answer); }

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
    // A command that reads or writes a file: false when the controller
    // reported that it could not (the message is shown by then). One that
    // waits for a search shows its message when it runs.
    bool send_file_command(const Command& c);
    void build_menus();
    void build_parametrage_menu();
    void ouvrir_repertoire(int side);
    void Changerbibliothqueouvertures1Click();
    void Sauverlesparamtres1Click();
    void Chargerdesparamtres1Click();
    // A file dialog in "Parametres"; the chosen path, empty when cancelled.
    QString ask_file(int mode, const QString& title, const QString& pattern, const QString& filter,
                     const QString& suffix);
    // main_window_analysis.cpp
    void build_analysis_menus();
    void refresh_analysis();
    void ask_learning();
    void Apprendreposition1Click();
    void Chargerdesleons1Click();
    void Button3Click();
    void Button3aClick();
    void build_game_area();
    QAction* add_item(QMenu* menu, const char* key);
    QPushButton* add_button(QWidget* parent, const char* key);
    QMenu* add_menu(const char* key);
    QAction* add_toggle(QMenu* menu, const char* key, bool checked);
    void apply_captions(int langue);
    bool start_screen_shown() const;
    void send_options();
    void Introduction();
    void clic(int x, int y);
    void N8Autre1Click();
    void Inverser();
    void numerotation();
    void save();
    void ouvre();
    // The 3D view, its menu items and the themes offered.
    void build_3d_view();
    void build_3d_items(QMenu* affichage, QMenu* options);
    void check_theme_availability();
    void check_board_item(int board);
    void host_board_panels(QWidget* host);
    void refresh_3d();
    void clic_3d(int x, int y);
    void Jeuenaveugle1Click();
    void Editerlimagefichierbmp1Click();
    void Crerunfichiertexte1Click();
    void Ouvrirunfichiertexte1Click();
    bool charger_parties(const GameTextFile& file);
    void Imprimer1Click();
    ScoreSheet feuille_de_partie() const;
    void a_propos();
    // "Documentation" and "Règles": the help window on the page of the language.
    void Guide1Click();
    void Rgles1Click();
    void open_help(HelpBook book);
    void Best1Click();
    // The new-game panel and the Joueurs menu's panels.
    void build_player_panels();
    // The "Probleme" tab and "Installer une position", wired to the editor's commands.
    void build_problem_page();
    void Installeruneposition1Click();
    // "Suivant ->", "Revoir coup" and the lesson's text window.
    void build_lessons();
    void Problmes1Click();
    // The buttons and the text follow the lesson on show.
    void show_lesson();
    void OngletChange(int index);
    void show_problem_page();
    void Nouveau2Click();
    void Match21Click();
    void Effacerunjoueur1Click();
    void Changerlesnoms1Click();
    void start_game(const Command& c, int couleur_ordinateur);

    void refresh();
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
    void report_error(const QString& text);
    // "Impossible d'ouvrir ce fichier (FILE : reason)" in the error box.
    void report_refusal(const FileRefusal& refusal);
    void report_missing_images(const QStringList& missing);
    QString user_path(const QString& name) const;

    AppConfig m_config;
    SoundPlayer& m_sound;
    GameSession& m_session;
    Engine& m_engine;
    GameController& m_controller;
    DisplayState m_display;
    QTimer m_timer1;
    BoardImages m_images;
    ThemeImages m_theme_images;
    // 0: the 2D board is shown; N: 3D theme N.
    int m_board_shown = 0;
    GameLoop m_loop;
    bool m_activated = false;
    bool m_startup_done = false;
    bool m_images_reported = false;
    QStringList m_reported;
    PermissionSignals m_permissions;
    QTranslator m_qt_translator;

    QStackedWidget* m_stack = nullptr;
    Panel10* m_panel10 = nullptr;
    QAction* m_damier2d = nullptr;
    std::array<QAction*, THEME_COUNT> m_damier3d{};
    QAction* m_aveugle = nullptr;
    QAction* m_editer_image = nullptr;
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
    QLabel* m_label29 = nullptr;
    QLabel* m_label30 = nullptr;
    QLabel* m_label31 = nullptr;
    EndOfGamePanel* m_fin_de_parties = nullptr;
    AutrePanel* m_panel9 = nullptr;
    CalculPage* m_calcul = nullptr;
    QTabWidget* m_pages = nullptr;
    ProblemPage* m_probleme = nullptr;
    QAction* m_installer = nullptr;
    // The tab shown before "Probleme", for the way back.
    int m_previous_tab = 0;
    DrawOfferPanel* m_match_nul = nullptr;
    NewGamePanel* m_nouvelle_partie = nullptr;
    NewPlayerPanel* m_nouveau_joueur = nullptr;
    DeletePlayerPanel* m_efface_j = nullptr;
    ChangeNamesPanel* m_joueurs_panel = nullptr;
    LevelMenu* m_levels = nullptr;
    QPushButton* m_joue = nullptr;
    QPushButton* m_proposernul = nullptr;
    QPushButton* m_nulrefus = nullptr;
    QPushButton* m_abandon1 = nullptr;
    QLabel* m_zut = nullptr;
    std::vector<std::pair<std::string_view, QPushButton*>> m_buttons;
    QPushButton* m_panel13 = nullptr; // "Suivant ->"
    QPushButton* m_panel14 = nullptr; // "Revoir coup"
    LessonTextWindow* m_lesson_text = nullptr;
    // The text on show, so that a step to another lesson reads its own.
    QString m_shown_lesson;

    std::vector<std::pair<std::string_view, QAction*>> m_captioned;
    std::vector<QMenu*> m_game_menus;
    QMenu* m_langue_menu = nullptr;
    QMenu* m_aide_menu = nullptr;
    QAction* m_hvh = nullptr;
    QAction* m_cvc = nullptr;
    QAction* m_nouveau = nullptr;
    QAction* m_ouvrir = nullptr;
    QAction* m_sauver = nullptr;
    QAction* m_imprimer = nullptr;
    QAction* m_quitter = nullptr;
    QAction* m_inverser_joueurs = nullptr;
    QAction* m_pause1 = nullptr; // "Arrêt du calcul"
    QAction* m_horloges = nullptr;
    QAction* m_pause2 = nullptr; // "Pause"
    QAction* m_reflexion = nullptr;
    QAction* m_arret_clic = nullptr;
    QAction* m_indication = nullptr;
    QAction* m_bip = nullptr;
    QAction* m_autres = nullptr;
    AnalysisWindow* m_form4 = nullptr;
    QMenu* m_analyse_menu = nullptr;
    QMenu* m_apprentissage_menu = nullptr;
    QAction* m_analyser = nullptr;
    QAction* m_pause_analyse = nullptr;
    QAction* m_fin_analyse = nullptr;
    QAction* m_lancer_session = nullptr;
    QAction* m_arreter_session = nullptr;
    bool m_learn_asked = false;
    QMenu* m_fichier = nullptr;
    QMenu* m_edition = nullptr;
    QMenu* m_joueurs = nullptr;
    QMenu* m_niveau = nullptr;
    QAction* m_inverser = nullptr;
    QAction* m_numeroter = nullptr;
    QAction* m_decomposer = nullptr;
    HelpWindow* m_aide = nullptr;
    AboutPanel* m_apropos = nullptr;
    // The six language items, by language index.
    std::array<QAction*, LANGUAGE_COUNT> m_langues{};
    QAction* m_reprendre_paire = nullptr; // Ctrl+Z
    QAction* m_poser = nullptr;           // Escape
    // "Taille des tables de transposition", one item per size of TABLE_SIZES.
    std::vector<QAction*> m_tailles;
    QMenu* m_parametrage = nullptr;
    QAction* m_bibliotheques = nullptr; // "Bibliothèques actives"
    RepertoireEditor* m_form2 = nullptr;
    RepertoireEditor* m_form3 = nullptr;
    ParameterEditor* m_parametres = nullptr;
    std::function<QString()> m_file_answer;
};

} // namespace selvako
