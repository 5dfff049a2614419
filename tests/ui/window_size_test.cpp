// The window at any size: every text whole in every language, the board
// filling its space, and clicks on the 2D and 3D boards hitting the square
// under the mouse whatever the size and the board's orientation.

#include <QSignalSpy>
#include <QTabWidget>

#include "tests/ui/text_fit.h"
#include "tests/ui/window_fixture.h"
#include "ui/board3d/panel10.h"
#include "ui/board3d/positions_3d.h"
#include "ui/i18n/captions.h"
#include "ui/window/intro_screen.h"
#include "ui/window/window_placement.h"

using namespace selvako;
using namespace selvako::test;

namespace {

constexpr const char* ITEM_KEYS[] = {"Franais1",   "English1", "Nederlands1",
                                     "Portugues1", "Espanol1", "Italiano1"};
// The least size (the designed one), a middle one and a large one.
const QSize SIZES[] = {{0, 0}, {1200, 760}, {1600, 1000}};

} // namespace

class WindowSizeTest : public WindowFixture {
    Q_OBJECT

    MainWindow& start_at(QSize size) {
        MainWindow& w = start_2d();
        w.resize(size.expandedTo(w.minimumSize()));
        settle();
        return w;
    }

    // What must fit: the game's panels with all four buttons of play, as a
    // rated match with a refused draw shows them, and the menu bar.
    QStringList misfits(MainWindow& w) {
        for (const char* key : {"Nulrefus", "Abandon1"}) button(key)->show();
        settle();
        QStringList found = cut_off_texts(&w);
        for (const QString& menu : hidden_menus(w.menuBar()))
            found << QStringLiteral("menu \"%1\" behind the overflow arrow").arg(menu);
        return found;
    }

  private slots:
    void init() { new_user_folder(); }

    void everyTextWholeInEveryLanguage_data() {
        QTest::addColumn<int>("langue");
        QTest::addColumn<QSize>("size");
        for (int langue = 0; langue < LANGUAGE_COUNT; ++langue)
            for (const QSize size : {SIZES[0], SIZES[2]})
                QTest::addRow("%s %dx%d", ITEM_KEYS[langue], size.width(), size.height())
                    << langue << size;
    }
    void everyTextWholeInEveryLanguage() {
        QFETCH(int, langue);
        QFETCH(QSize, size);
        MainWindow& w = start_at(size);
        QVERIFY(
            files().coller_texte("[White \"Anne\"]\n[Black \"Bruno\"]\n1. c3-d4 f6-e5 2. d4xf6 *"));
        w.action(ITEM_KEYS[langue])->trigger();
        settle();
        QStringList cut;
        auto* pages = find_child<QTabWidget>(w, "Liste");
        for (int tab = 0; tab < pages->count(); ++tab) {
            pages->setCurrentIndex(tab);
            settle();
            cut << misfits(w);
        }
        w.action("Damier3D1")->trigger();
        settle();
        cut << cut_off_texts(w.findChild<Panel10*>());
        cut.removeDuplicates();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }

    void boardFillsItsSpaceAtEverySize_data() {
        QTest::addColumn<QSize>("size");
        for (const QSize size : SIZES) QTest::addRow("%dx%d", size.width(), size.height()) << size;
    }
    void boardFillsItsSpaceAtEverySize() {
        QFETCH(QSize, size);
        MainWindow& w = start_at(size);
        auto* board = w.findChild<BoardView*>();
        QWidget* area = board->parentWidget();
        // As tall as the area, and as wide as that height allows unless the
        // column beside it is down to the least width its contents need.
        QCOMPARE(board->height(), area->height());
        const QWidget* column = w.findChild<QWidget*>(QStringLiteral("Panel6"))->parentWidget();
        const int by_height = static_cast<int>(area->height() * double(BoardView::LOGICAL_WIDTH) /
                                               BoardView::LOGICAL_HEIGHT);
        QVERIFY2(
            board->width() >= by_height - 1 ||
                column->width() <=
                    std::max(column->minimumWidth(), column->minimumSizeHint().width()),
            qPrintable(
                QStringLiteral("board %1, column %2").arg(board->width()).arg(column->width())));
        const QRectF drawn = board->logical_transform().mapRect(
            QRectF(0, 0, BoardView::LOGICAL_WIDTH, BoardView::LOGICAL_HEIGHT));
        QVERIFY(drawn.width() >= board->width() - 2 || drawn.height() >= board->height() - 2);
        // The 3D picture covers the whole area, with no band of the panel's grey.
        w.action("Damier3D1")->trigger();
        settle();
        auto* panel = w.findChild<Panel10*>();
        QCOMPARE(panel->size(),
                 area->size().expandedTo({Panel10::PANEL_WIDTH, Panel10::PANEL_HEIGHT}));
        QCOMPARE(panel->image()->geometry(), panel->rect());
        const QImage shot = panel->grab().toImage();
        const QColor grey(0xC0, 0xC0, 0xC0);
        for (const QPoint corner :
             {QPoint(1, shot.height() - 2), QPoint(shot.width() - 2, shot.height() - 2),
              QPoint(shot.width() - 2, shot.height() / 2)})
            QVERIFY(shot.pixelColor(corner) != grey);
    }

    void clicksHitTheSquareOnThe2dBoard_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("inverse");
        for (const QSize size : SIZES)
            for (const bool inverse : {false, true})
                QTest::addRow("%dx%d%s", size.width(), size.height(), inverse ? " turned" : "")
                    << size << inverse;
    }
    void clicksHitTheSquareOnThe2dBoard() {
        QFETCH(QSize, size);
        QFETCH(bool, inverse);
        MainWindow& w = start_at(size);
        if (inverse) w.action("Inverserdamier1")->trigger();
        settle();
        auto* board = w.findChild<BoardView*>();
        QSignalSpy clicks(board, &BoardView::clicked);
        for (int s = 1; s <= NUM_SQUARES; ++s) {
            const PixelPoint at = square_origin(static_cast<Square>(s), inverse);
            // Near a corner of the square as well as at its centre.
            for (const QPoint inside : {QPoint(30, 30), QPoint(4, 54)}) {
                const QPointF pixel =
                    board->logical_transform().map(QPointF(at.x + inside.x(), at.y + inside.y()));
                QTest::mousePress(board, Qt::LeftButton, {}, pixel.toPoint());
                QTest::mouseRelease(board, Qt::LeftButton, {}, pixel.toPoint());
                QVERIFY(!clicks.isEmpty());
                const QList<QVariant> click = clicks.takeLast();
                QCOMPARE(int(square_from_click(click[0].toInt(), click[1].toInt(), inverse)), s);
            }
        }
    }

    void clicksHitTheSquareOnThe3dPicture_data() { clicksHitTheSquareOnThe2dBoard_data(); }
    void clicksHitTheSquareOnThe3dPicture() {
        QFETCH(QSize, size);
        QFETCH(bool, inverse);
        MainWindow& w = start_at(size);
        w.action("Damier3D1")->trigger();
        if (inverse) w.action("Inverserdamier1")->trigger();
        settle();
        auto* picture = w.findChild<Board3dView*>();
        const DesignFit fit = picture->fit();
        QSignalSpy clicks(picture, &Board3dView::clicked);
        for (int s = 1; s <= NUM_SQUARES; ++s) {
            const PixelPoint at = positions_3d[static_cast<std::size_t>(
                position_of_square(static_cast<Square>(s), inverse))];
            const QPointF pixel = QPointF(fit.offset) + QPointF(at.x + 30, at.y + 30) * fit.scale;
            QTest::mouseClick(picture, Qt::LeftButton, {}, pixel.toPoint());
            QVERIFY(!clicks.isEmpty());
            const QList<QVariant> click = clicks.takeLast();
            QCOMPARE(int(square_from_3d_click(click[0].toInt(), click[1].toInt(), inverse)), s);
        }
    }

    void startScreenStaysWholeAndCentred() {
        MainWindow& w = start(config());
        w.resize(1600, 1000);
        settle();
        auto* intro = w.findChild<IntroScreen*>();
        QVERIFY(intro->isVisible());
        const QStringList cut = cut_off_texts(intro) + hidden_menus(w.menuBar());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
        // Designed at 800 x 520, its 2D board button 24 pixels from the left.
        QCOMPARE(intro->board_2d_button()->x(), 24 + (intro->width() - 800) / 2);
        QCOMPARE(w.action("Langue1")->text(), QStringLiteral("Idioma/Langue/Language/Taal"));
    }

    void secondaryWindowsOpenBesideTheMainOneOnItsScreen_data() {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("placed");
        const QRect wide(0, 0, 1920, 1080);
        QTest::newRow("room on the right")
            << QRect(100, 50, 800, 607) << QSize(600, 460) << wide << QRect(908, 50, 600, 460);
        // The lesson text once opened at x = 1209 on a 1600-pixel screen.
        QTest::newRow("room on the left only")
            << QRect(800, 100, 800, 607) << QSize(600, 460) << QRect(0, 0, 1600, 900)
            << QRect(192, 100, 600, 460);
        QTest::newRow("no room: over the main window, whole on the screen")
            << QRect(0, 0, 1280, 800) << QSize(600, 460) << QRect(0, 0, 1280, 800)
            << QRect(680, 0, 600, 460);
        QTest::newRow("main window on the second screen")
            << QRect(2000, 900, 800, 607) << QSize(600, 460) << QRect(1920, 0, 2560, 1440)
            << QRect(2808, 900, 600, 460);
        QTest::newRow("larger than the screen: shrunk to it")
            << QRect(0, 0, 800, 607) << QSize(1400, 1200) << QRect(0, 0, 1366, 768)
            << QRect(0, 0, 1366, 768);
    }
    void secondaryWindowsOpenBesideTheMainOneOnItsScreen() {
        QFETCH(QRect, main);
        QFETCH(QSize, wanted);
        QFETCH(QRect, screen);
        QFETCH(QRect, placed);
        QCOMPARE(placement_beside(main, wanted, screen), placed);
    }
};

QTEST_MAIN(WindowSizeTest)
#include "window_size_test.moc"
