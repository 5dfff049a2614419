// Draws a lesson on the board beside its text window into one PNG, for the
// pictures in docs/ (run by hand, offscreen):
//
//   lesson_snapshot LESSON_NAME OUT.png

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

#include "game/time_source.h"
#include "ui/lessons/lesson_controls.h"
#include "ui/lessons/lesson_text_window.h"
#include "ui/window/main_window.h"

namespace {

class SilentSound final : public selvako::SoundPlayer {
  public:
    void play(std::string_view) override {}
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) return 2;
    QTemporaryDir user;
    selvako::AppConfig config;
    config.data_dir = QStringLiteral(SELVAKO_TEST_DATA_DIR);
    config.user_dir = user.path();
    config.headless = true;
    selvako::prepare_user_folder(config);
    SilentSound sound;
    const selvako::ManualTimeSource time{1'000'000};
    selvako::GameSession session(time, 7, selvako::game_folders(config));
    session.load_engine_data(selvako::engine_folders(config));
    selvako::MainWindow window(config, sound, session);
    window.show();
    window.FormActivate();
    window.choisir_damier_2d();
    const QString lesson = QDir(user.path())
                               .filePath(QStringLiteral("Problemes/") +
                                         QString::fromLocal8Bit(argv[1]) + QStringLiteral(".dam"));
    if (!window.lessons().ouvrir_lecon(lesson)) return 1;
    for (int k = 0; k < 5; ++k) QCoreApplication::processEvents();

    const QImage board = window.grab().toImage();
    const QImage text = window.findChild<selvako::LessonTextWindow*>(QStringLiteral("LessonText"))
                            ->grab()
                            .toImage();
    QImage both(board.width() + text.width() + 8, std::max(board.height(), text.height()),
                QImage::Format_RGB32);
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawImage(0, 0, board);
    painter.drawImage(board.width() + 8, 0, text);
    painter.end();
    return both.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
