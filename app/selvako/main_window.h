#pragma once
// The program's window: the start screen, the 2D board with its side panels,
// the move list and the menus. Its handlers carry the game control; the game
// loop runs one pass after each change of state.

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QStackedWidget>
#include <QToolButton>

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "app/selvako/app_config.h"
#include "app/selvako/app_state.h"
#include "app/selvako/end_of_game_panel.h"
#include "app/selvako/game_loop.h"
#include "app/selvako/intro_screen.h"
#include "game/game_record.h"
#include "ui/board/board_images.h"
#include "ui/board/side_panel.h"

class QVBoxLayout;

namespace selvako {

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(const AppConfig& config, QWidget* parent = nullptr);

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
    BoardView* board_view() const { return m_board; }
    QListWidget* move_list() const { return m_liste; }
    IntroScreen* intro() const { return m_intro; }
    EndOfGamePanel* end_panel() const { return m_fin_de_parties; }
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
    QMenu* add_menu(const char* key);
    void apply_captions(int langue);
    void choisir_langue(int langue);

    void Introduction();
    void boucle_jeu();
    void clic(int x, int y);
    void clic1(int x, int y);
    void after_move(const InputResult& result);
    void fin_partie(GameEnd end);

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

    void compter_pions();
    void refresh();
    void sync_move_list();
    void place_side_panels();
    void report_error(const QString& text);
    void report_missing_images(const QStringList& missing);
    QString user_path(const QString& name) const;

    AppConfig m_config;
    AppState m_state;
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

    std::vector<std::pair<std::string_view, QAction*>> m_captioned;
    std::vector<QMenu*> m_game_menus;
    QMenu* m_langue_menu = nullptr;
    QMenu* m_aide_menu = nullptr;
    QAction* m_hvh = nullptr;
    QAction* m_inverser = nullptr;
    QAction* m_numeroter = nullptr;
    QAction* m_decomposer = nullptr;
    QAction* m_francais = nullptr;
};

} // namespace selvako
