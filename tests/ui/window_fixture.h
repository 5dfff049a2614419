#pragma once
// The window driven headless: a temporary user folder, a recording sound
// player, a clock the test moves by hand, and clicks on board squares.

#include <QAction>
#include <QLayout>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <random>

#include "engine/fen.h"
#include "files/game_file.h"
#include "game/game_record.h"
#include "game/saved_game.h"
#include "ui/analysis/analysis_menus.h"
#include "ui/board/board_geometry.h"
#include "ui/game_files/game_file_handler.h"
#include "ui/lessons/lesson_controls.h"
#include "ui/panels/change_names_panel.h"
#include "ui/panels/delete_player_panel.h"
#include "ui/panels/new_game_panel.h"
#include "ui/panels/new_player_panel.h"
#include "ui/parameters/parametrage_menu.h"
#include "ui/view3d/view_3d.h"
#include "ui/window/main_window.h"

namespace selvako::test {

// A game file holding one position, White to move, made the way the
// program writes them.
inline void write_position(const QString& path, const char* fen, PersistentSettings settings = {}) {
    const ManualTimeSource time;
    GameClocks clocks(time);
    GameState game;
    nouvelle_partie(game, clocks);
    game.damier_affiche = parse_fen(fen).position->board;
    noter_coup(game, clocks);
    game.settings = settings;
    QVERIFY(write_game_file(path.toStdString(), game_file_image(game)));
}

// A widget of the window found by its object name (by its type alone when
// the window has one of that type), as the user finds it on screen; a test
// that asks for one the window does not have stops there.
template <class T> T* find_child(const QObject& window, const char* name = nullptr) {
    T* found = name ? window.findChild<T*>(QString::fromLatin1(name)) : window.findChild<T*>();
    if (!found) qFatal("the window has no %s", name ? name : "such widget");
    return found;
}

// Remembers what the window asked to play instead of playing it.
class RecordingSound final : public SoundPlayer {
  public:
    void play(std::string_view file) override {
        if (!file.empty()) played << QString::fromUtf8(file.data(), qsizetype(file.size()));
    }
    QStringList played;
};

class WindowFixture : public QObject {
  protected:
    std::unique_ptr<QTemporaryDir> m_user;
    // The engine and the controller, built before the window as the program does.
    std::unique_ptr<GameSession> m_session;
    std::unique_ptr<MainWindow> m_window;
    RecordingSound m_sound;
    ManualTimeSource m_time{1'000'000};
    // Every error message the window showed, in order.
    QStringList m_errors;
    // Answers the file dialogs of "Paramétrage"; none answered cancels them.
    std::function<QString()> m_file_answer;

    AppConfig config(const QString& data = QStringLiteral(SELVAKO_TEST_DATA_DIR)) {
        AppConfig c;
        c.data_dir = data;
        c.user_dir = m_user->path();
        c.headless = true;
        c.error_sink = [this](const QString& text) { m_errors << text; };
        c.file_answer = [this] { return m_file_answer ? m_file_answer() : QString(); };
        return c;
    }

    MainWindow& start(const AppConfig& c) {
        prepare_user_folder(c);
        // The old window leaves its session before the session goes.
        m_window.reset();
        m_session = std::make_unique<GameSession>(m_time, std::random_device{}(), game_folders(c));
        m_session->load_engine_data(engine_folders(c));
        m_errors.clear();
        m_file_answer = {};
        m_window = std::make_unique<MainWindow>(c, m_sound, *m_session);
        m_window->show();
        m_window->FormActivate();
        return *m_window;
    }

    // The 2D board with a computer that answers at once: level
    // "1 : Débutant" (three plies deep) and no thinking on the human's time,
    // which would otherwise run until a click. The opening repertoires are
    // off: the tests watch the computer search from the first move.
    MainWindow& start_2d(const AppConfig& c) {
        MainWindow& w = start(c);
        w.choisir_damier_2d();
        w.action("Niveau01")->trigger();
        w.action("Rflexionsurtempsadverse1")->trigger();
        w.action("Bibliothquesactives1")->trigger();
        settle();
        return w;
    }
    MainWindow& start_2d() { return start_2d(config()); }

    // Both sides played by clicks.
    MainWindow& start_hvh() {
        MainWindow& w = start_2d();
        w.action("Humaincontrehumain1")->trigger();
        settle();
        return w;
    }

    static void settle() {
        for (int k = 0; k < 3; ++k) QCoreApplication::processEvents();
    }

    // The window's parts and widgets, found as a user finds them on screen.
    GameController& controller() const { return m_session->controller(); }
    GameFileHandler& files() const { return *find_child<GameFileHandler>(*m_window); }
    View3d& view3d() const { return *find_child<View3d>(*m_window); }
    AnalysisMenus& analysis() const { return *find_child<AnalysisMenus>(*m_window); }
    ParametrageMenu& parametrage() const { return *find_child<ParametrageMenu>(*m_window); }
    LessonControls& lessons() const { return *find_child<LessonControls>(*m_window); }
    BoardView* board() const { return find_child<BoardView>(*m_window); }
    QListWidget* move_list() const { return find_child<QListWidget>(*m_window, "ListeCoups"); }
    QPushButton* button(const char* key) const { return find_child<QPushButton>(*m_window, key); }
    QToolButton* navigation_button(int k) const {
        return find_child<QToolButton>(*m_window,
                                       qPrintable(QStringLiteral("Navigation%1").arg(k)));
    }
    bool capture_notice_visible() const {
        return find_child<QLabel>(*m_window, "Label29")->isVisible();
    }
    // White's panel is on top when the board is turned over.
    bool inverted() const {
        QWidget* white = find_child<QWidget>(*m_window, "Panel7");
        return white->parentWidget()->layout()->indexOf(white) == 0;
    }
    void answer_file_dialogs(std::function<QString()> answer) { m_file_answer = std::move(answer); }

    void click(Square s) {
        BoardView* board = this->board();
        const PixelPoint at = square_origin(s, inverted());
        const QPointF centre = board->logical_transform().map(QPointF(at.x + 30, at.y + 30));
        QTest::mouseClick(board, Qt::LeftButton, {}, centre.toPoint());
        settle();
    }

    const GameState& game() const { return controller().game(); }

    QStringList lines() const {
        QStringList out;
        for (int k = 0; k < move_list()->count(); ++k) out << move_list()->item(k)->text();
        return out;
    }

    // Opens a game holding one position, White to move.
    void open_position(const char* fen, const char* name = "position.dam") {
        const QString path =
            QDir(m_user->path()).filePath(QStringLiteral("Sauve/") + QString::fromLatin1(name));
        // The file carries the level in play, as a file saved now would.
        write_position(path, fen, game().settings);
        QVERIFY(files().ouvrir_fichier(path));
        settle();
    }

    void new_user_folder() {
        m_sound.played.clear();
        m_user = std::make_unique<QTemporaryDir>();
        QVERIFY(m_user->isValid());
    }
};

} // namespace selvako::test
