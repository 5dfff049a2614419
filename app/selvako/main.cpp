// selvako: the program's window.
//
//   selvako [--open FILE.dam] [--theme N] [--snapshot FILE.png]
//
// --open chooses the 2D board and opens the game; --theme N starts straight
// into 3D theme N (1..8) with the start position; --snapshot renders the
// window to a PNG file and exits, with status 0 only when everything asked
// for succeeded.

#include <QApplication>
#include <QCommandLineParser>
#include <QImage>

#include <cstdio>
#include <new>

#include "game/time_source.h"
#include "ui/sound/sound_player.h"
#include "ui/window/app_config.h"
#include "ui/window/main_window.h"

namespace {

int run(int argc, char** argv);

} // namespace

int main(int argc, char** argv) {
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

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Selvako, draughts on the 8x8 board"));
    parser.addHelpOption();
    const QCommandLineOption open_option(QStringLiteral("open"),
                                         QStringLiteral("Open a game file on the 2D board."),
                                         QStringLiteral("FILE.dam"));
    const QCommandLineOption snapshot_option(
        QStringLiteral("snapshot"), QStringLiteral("Render the window to a PNG file and exit."),
        QStringLiteral("FILE.png"));
    const QCommandLineOption theme_option(
        QStringLiteral("theme"), QStringLiteral("Start in 3D theme N (1..8), start position."),
        QStringLiteral("N"));
    parser.addOption(open_option);
    parser.addOption(theme_option);
    parser.addOption(snapshot_option);
    parser.process(app);

    selvako::AppConfig config = selvako::AppConfig::from_environment();
    config.headless = parser.isSet(snapshot_option);
    if (!selvako::prepare_user_folder(config)) {
        std::fprintf(stderr, "selvako: cannot create the folder %s\n", qPrintable(config.user_dir));
        return 1;
    }

    // One sound player and one clock for the whole run.
    selvako::EffectSoundPlayer sound(config.data_dir);
    const selvako::SteadyTimeSource time;
    selvako::MainWindow window(config, sound, time);
    window.show();
    window.FormActivate();
    bool ok = true;
    if (parser.isSet(theme_option)) {
        bool number = false;
        const int theme = parser.value(theme_option).toInt(&number);
        if (!number || theme < 1 || theme > 8) {
            std::fprintf(stderr, "selvako: --theme takes a number from 1 to 8\n");
            return 2;
        }
        ok = window.choisir_damier_3d(theme, false);
    }
    if (parser.isSet(open_option)) {
        window.choisir_damier_2d();
        ok = window.ouvrir_fichier(parser.value(open_option));
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
