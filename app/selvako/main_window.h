#pragma once
// The program's window: the start screen, the 2D board with its side panels,
// the move list and the menus. Its handlers carry the game control; the game
// loop runs one pass after each change of state.

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>

#include <array>
#include <functional>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "app/selvako/app_config.h"
#include "app/selvako/app_state.h"
#include "app/selvako/board_panels.h"
#include "app/selvako/calcul_page.h"
#include "app/selvako/end_of_game_panel.h"
#include "app/selvako/game_loop.h"
#include "app/selvako/intro_screen.h"
#include "app/selvako/level_menu.h"
#include "app/selvako/search_clock_adapter.h"
#include "app/selvako/sound_player.h"
#include "search/search.h"
#include "game/clocks.h"
#include "game/computer_play.h"
#include "game/game_end.h"
#include "game/game_record.h"
#include "game/time_source.h"
#include "ui/board/board_images.h"
#include "ui/board/side_panel.h"

class QTabWidget;
class QVBoxLayout;

namespace selvako {

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // The sound player and the time source outlive the window: the program
    // owns one of each, tests inject their own.
    MainWindow(const AppConfig& config, SoundPlayer& sound, const TimeSource& time,
               QWidget* parent = nullptr);

    // The first activation: reads the settings of "last32.dam" and shows the start screen.
    void FormActivate();
    // The start screen's 2D board button: the start-up sequence, then the game.
    void choisir_damier_2d();
    // "Ouvrir" and "Sauver" once a file is chosen. False when the file could
    // not be read or written; the game in memory is then unchanged.
    bool ouvrir_fichier(const QString& path);
    bool sauver_fichier(const QString& path);
    // "Quitter": writes "last32.dam" and ends the program.
    void quitter();

    const AppState& state() const { return m_state; }
    const GameClocks& clocks() const { return m_clocks; }
    const ComputerPlay& computer() const { return m_computer; }
    BoardView* board_view() const { return m_board; }
    QListWidget* move_list() const { return m_liste; }
    IntroScreen* intro() const { return m_intro; }
    EndOfGamePanel* end_panel() const { return m_fin_de_parties; }
    AutrePanel* autre_panel() const { return m_panel9; }
    CalculPage* calcul_page() const { return m_calcul; }
    QTabWidget* pages() const { return m_pages; }
    DrawOfferPanel* draw_offer_panel() const { return m_match_nul; }
    QPushButton* button(std::string_view key) const;
    bool zut_visible() const { return m_zut->isVisible(); }
    bool searching() const { return m_recherche_en_cours; }
    const Search& search() const { return *m_search; }
    // One tick of the one-second clock timer.
    void ajouter_temps();
    SidePanel* panel_noir() const { return m_panel6; }
    SidePanel* panel_blanc() const { return m_panel7; }
    bool capture_notice_visible() const { return m_label29->isVisible(); }
    // The menu item or button of a component of the caption table, or null.
    QAction* action(std::string_view key) const;
    QToolButton* navigation_button(int index) const { return m_navigation[index]; }
    bool start_screen_shown() const;
    // Every error message shown so far, in order.
    const QStringList& reported_errors() const { return m_reported; }
    // The language whose item is checked, tested in the usual order, French by default.
    int langue_cochee() const;

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void build_menus();
    void build_game_area();
    QAction* add_item(QMenu* menu, const char* key);
    QPushButton* add_button(QWidget* parent, const char* key);
    QMenu* add_menu(const char* key);
    void apply_captions(int langue);
    void choisir_langue(int langue);

    void Introduction();
    void boucle_jeu();
    void clic(int x, int y);
    void clic1(int x, int y);
    void after_move(const InputResult& result);
    void fin_partie(GameEndKind kind);
    void fin_releve_plein();
    void ProposernulClick();
    // "Arrêter le calcul" and "Arrêt du calcul": the search plays its best move so far.
    void pause();

    void coup_ordinateur();
    // Thinking on the human's time, once per human turn.
    void reflechir();
    // Calls the search driver for the side to move; the index it returns.
    int lancer_recherche(bool ponder);
    void poll_recherche();
    void horloge_recherche(std::int32_t total);
    // While a search holds the engine's board, a command that changes the
    // game stops it and runs once it has returned: true when `run` was put off.
    bool differer(const std::function<void()>& run);
    // Runs the command put off during the search, if any.
    bool run_deferred();
    void AbandonClick();
    void controle_temps();

    void show_clocks();
    void clocks_to_game();
    void game_to_clocks();
    void Horlogeszro1Click();
    void Pause2Click();
    void choisir_niveau(const LevelParameters& level);
    void N8Autre1Click();
    void inverser_joueurs();
    void Ordinateurcontreordinateur1Click();
    void set_game_commands_enabled(bool enabled);
    void apply_mode_menus();

    void remplir();
    void nouveau();
    void Ordinateur();
    void Inverser();
    void numerotation();
    void naviguer(bool (*command)(GameState&, EngineState&));
    void double_clic_liste();
    void save();
    void ouvre();
    void a_propos();
    void Best1Click();

    void compter_pions();
    void refresh();
    void sync_move_list();
    void place_side_panels();
    void report_error(const QString& text);
    void report_missing_images(const QStringList& missing);
    QString user_path(const QString& name) const;

    AppConfig m_config;
    SoundPlayer& m_sound;
    const TimeSource& m_time;
    AppState m_state;
    GameClocks m_clocks;
    ComputerPlay m_computer;
    TimeSourceSearchClock m_search_clock;
    std::unique_ptr<Search> m_search;
    bool m_recherche_en_cours = false;
    std::function<void()> m_commande_differee;
    QTimer m_timer1;
    BoardImages m_images;
    GameLoop m_loop;
    bool m_activated = false;
    bool m_startup_done = false;
    bool m_images_reported = false;
    QStringList m_reported;

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
    QLabel* m_label29 = nullptr;
    QLabel* m_label30 = nullptr;
    QLabel* m_label31 = nullptr;
    EndOfGamePanel* m_fin_de_parties = nullptr;
    AutrePanel* m_panel9 = nullptr;
    CalculPage* m_calcul = nullptr;
    QTabWidget* m_pages = nullptr;
    DrawOfferPanel* m_match_nul = nullptr;
    LevelMenu* m_levels = nullptr;
    QPushButton* m_joue = nullptr;
    QPushButton* m_proposernul = nullptr;
    QPushButton* m_nulrefus = nullptr;
    QPushButton* m_abandon1 = nullptr;
    QLabel* m_zut = nullptr;
    std::vector<std::pair<std::string_view, QPushButton*>> m_buttons;

    std::vector<std::pair<std::string_view, QAction*>> m_captioned;
    std::vector<QMenu*> m_game_menus;
    QMenu* m_langue_menu = nullptr;
    QMenu* m_aide_menu = nullptr;
    QAction* m_hvh = nullptr;
    QAction* m_cvc = nullptr;
    QAction* m_nouveau = nullptr;
    QAction* m_ouvrir = nullptr;
    QAction* m_sauver = nullptr;
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
    QMenu* m_fichier = nullptr;
    QMenu* m_edition = nullptr;
    QMenu* m_joueurs = nullptr;
    QMenu* m_niveau = nullptr;
    QAction* m_inverser = nullptr;
    QAction* m_numeroter = nullptr;
    QAction* m_decomposer = nullptr;
    QAction* m_francais = nullptr;
};

} // namespace selvako
