// selvako: the program's window.
//
//   selvako [--lang CODE] [--open FILE.dam] [--theme N] [--size WxH] [--snapshot FILE.png]
//   selvako --help | --version
//
// --lang starts in a language (fr, en, nl, pt, es, it); with --snapshot and
// neither --open nor --theme it also chooses the 2D board and plays a few
// moves, so the picture shows the window in play. --open chooses the 2D board
// and opens the game; --theme N starts straight into 3D theme N (1..8) with
// the start position; --size WxH opens the window at that size (no smaller
// than its least, 800 wide); --snapshot renders the window to a PNG file and exits,
// with status 0 only when everything asked for succeeded.

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QImage>
#include <QSize>

#include <cstdio>
#include <new>
#include <random>
#include <string_view>

#include "game/time_source.h"
#include "ui/game_files/game_file_handler.h"
#include "ui/help/help_pages.h"
#include "ui/sound/sound_player.h"
#include "ui/window/app_config.h"
#include "ui/window/main_window.h"

namespace {

int run(int argc, char** argv);

// The options of the command line, declared on a parser.
struct CommandLine {
    explicit CommandLine(QCommandLineParser& parser);
    const QCommandLineOption open{QStringLiteral("open"),
                                  QStringLiteral("Open a game file on the 2D board."),
                                  QStringLiteral("FILE.dam")};
    const QCommandLineOption snapshot{QStringLiteral("snapshot"),
                                      QStringLiteral("Render the window to a PNG file and exit."),
                                      QStringLiteral("FILE.png")};
    const QCommandLineOption theme{QStringLiteral("theme"),
                                   QStringLiteral("Start in 3D theme N (1..8), start position."),
                                   QStringLiteral("N")};
    const QCommandLineOption lang{QStringLiteral("lang"),
                                  QStringLiteral("Start in a language: fr, en, nl, pt, es or it."),
                                  QStringLiteral("CODE")};
    const QCommandLineOption size{QStringLiteral("size"),
                                  QStringLiteral("Open the window at W x H pixels."),
                                  QStringLiteral("WxH")};
};

CommandLine::CommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Selvako, draughts on the 8x8 board"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(lang);
    parser.addOption(size);
    parser.addOption(open);
    parser.addOption(theme);
    parser.addOption(snapshot);
}

// The opening the language pictures show: a capture for each side, then a
// quiet move, so the board, the move list and the clocks all have something.
constexpr const char* SNAPSHOT_GAME = "[White \"Anne\"]\n[Black \"Bruno\"]\n"
                                      "1. c3-d4 f6-e5 2. d4xf6 g7xe5 3. b2-c3 h6-g5 *";

} // namespace

int main(int argc, char** argv) {
    // --help and --version answer on a terminal without a display, where the
    // window's application could not start.
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "--help" || word == "-h" || word == "--help-all" || word == "--version" ||
            word == "-v") {
            QCoreApplication app(argc, argv);
            QCoreApplication::setApplicationName(QStringLiteral("selvako"));
            QCoreApplication::setApplicationVersion(QStringLiteral(SELVAKO_VERSION));
            QCommandLineParser parser;
            const CommandLine options(parser);
            parser.process(app); // prints and exits with status 0
        }
    }
    // The engine's tables are allocated with the window and again when
    // their size changes; without that memory the program cannot play.
    try {
        return run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::puts("Erreur allocation Hash tables");
        std::fflush(stdout);
        return 1;
    }
}

namespace {

int run(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Selvako"));
    QCoreApplication::setOrganizationName(QStringLiteral("Selvako"));

    QCoreApplication::setApplicationVersion(QStringLiteral(SELVAKO_VERSION));

    QCommandLineParser parser;
    const CommandLine options(parser);
    const QCommandLineOption& open_option = options.open;
    const QCommandLineOption& snapshot_option = options.snapshot;
    const QCommandLineOption& theme_option = options.theme;
    const QCommandLineOption& lang_option = options.lang;
    const QCommandLineOption& size_option = options.size;
    parser.process(app);

    int langue = -1;
    if (parser.isSet(lang_option)) {
        for (int k = 0; k < selvako::LANGUAGE_COUNT; ++k)
            if (parser.value(lang_option) == selvako::language_code(k)) langue = k;
        if (langue < 0) {
            std::fprintf(stderr, "selvako: --lang takes fr, en, nl, pt, es or it\n");
            return 2;
        }
    }

    QSize size;
    if (parser.isSet(size_option)) {
        const QStringList parts = parser.value(size_option).split(QLatin1Char('x'));
        bool wide = false;
        bool high = false;
        if (parts.size() == 2) size = QSize(parts[0].toInt(&wide), parts[1].toInt(&high));
        if (!wide || !high || size.width() <= 0 || size.height() <= 0) {
            std::fprintf(stderr, "selvako: --size takes a width and a height, as 1600x1000\n");
            return 2;
        }
    }

    selvako::AppConfig config = selvako::AppConfig::from_environment();
    config.headless = parser.isSet(snapshot_option);
    if (!selvako::prepare_user_folder(config)) {
        std::fprintf(stderr, "selvako: cannot create the folder %s\n", qPrintable(config.user_dir));
        return 1;
    }

    // The desktop matches the window to its entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.selvako.Selvako"));
    QApplication::setWindowIcon(
        QIcon(config.data_dir + QStringLiteral("/icons/64x64/selvako.png")));

    // One sound player, one clock and one engine with its game for the whole
    // run; the window shows them.
    selvako::EffectSoundPlayer sound(config.data_dir);
    const selvako::SteadyTimeSource time;
    selvako::GameSession session(time, std::random_device{}(), selvako::game_folders(config));
    session.load_engine_data(selvako::engine_folders(config));
    selvako::MainWindow window(config, sound, session);
    if (size.isValid()) window.resize(size.expandedTo(window.minimumSize()));
    window.show();
    window.FormActivate();
    bool ok = true;
    if (langue >= 0) window.choisir_langue(langue);
    if (parser.isSet(theme_option)) {
        bool number = false;
        const int theme = parser.value(theme_option).toInt(&number);
        if (!number || theme < 1 || theme > 8) {
            std::fprintf(stderr, "selvako: --theme takes a number from 1 to 8\n");
            return 2;
        }
        ok = window.choisir_damier_3d(theme, false);
    } else if (langue >= 0 && parser.isSet(snapshot_option) && !parser.isSet(open_option)) {
        window.choisir_damier_2d();
        window.action("Humaincontrehumain1")->trigger();
        ok = window.game_files().coller_texte(SNAPSHOT_GAME);
    }
    if (parser.isSet(open_option)) {
        window.choisir_damier_2d();
        ok = window.game_files().ouvrir_fichier(parser.value(open_option));
    }
    if (!parser.isSet(snapshot_option)) return QApplication::exec();

    QCoreApplication::processEvents();
    const QImage picture = window.grab().toImage();
    if (!picture.save(parser.value(snapshot_option), "PNG")) {
        std::fprintf(stderr, "selvako: cannot write %s\n",
                     qPrintable(parser.value(snapshot_option)));
        ok = false;
    }
    return ok ? 0 : 1;
}

} // namespace
