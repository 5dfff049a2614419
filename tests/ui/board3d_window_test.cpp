// The 3D view in the window: the themes offered at start-up, a theme that
// cannot be read, clicks on the picture in both orientations, blind play,
// saving the picture and the last game restored through a theme button.

#include <QDirIterator>
#include <QFile>

#include "tests/ui/window_fixture.h"
#include "ui/board3d/positions_3d.h"

using namespace selvako;
using namespace selvako::test;

class Board3dWindowTest : public WindowFixture {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_data;

    // A data folder of links to the built one, so that a test may take
    // files away without touching the build.
    QString linked_data() {
        m_data = std::make_unique<QTemporaryDir>();
        const QDir from(QStringLiteral(SELVAKO_TEST_DATA_DIR));
        QDirIterator it(from.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString target = QDir(m_data->path()).filePath(from.relativeFilePath(file));
            QDir().mkpath(QFileInfo(target).path());
            if (!QFile::link(file, target)) return {};
        }
        return m_data->path();
    }

    void click_3d(Square s) {
        Board3dView* image = find_child<Panel10>(*m_window, "Panel10")->image();
        const int p = position_of_square(s, inverted());
        QTest::mouseClick(image, Qt::LeftButton, {},
                          QPoint(positions_3d[p].x + 30, positions_3d[p].y + 30));
        settle();
    }

    MainWindow& start_3d(int theme, const AppConfig& c) {
        MainWindow& w = start(c);
        w.choisir_damier_3d(theme, false);
        w.action("Niveau01")->trigger();
        w.action("Rflexionsurtempsadverse1")->trigger();
        settle();
        return w;
    }

  private slots:
    void init() { new_user_folder(); }
    void cleanup() {
        m_window.reset();
        m_data.reset();
    }

    void everyThemeIsOfferedAndShowsItsOwnPicture() {
        MainWindow& w = start_3d(1, config());
        QVERIFY(m_errors.isEmpty());
        QVERIFY(find_child<Panel10>(w, "Panel10")->isVisible());
        QVERIFY(w.action("Damier3D1")->isChecked());
        QImage previous = find_child<Panel10>(w, "Panel10")->image()->image();
        for (const int theme : {4, 2, 3, 5, 6, 7, 8}) {
            const char* item = THEMES_3D[theme - 1].menu_item;
            QVERIFY(w.action(item)->isEnabled());
            w.action(item)->trigger();
            QCOMPARE(view3d().theme_images().theme_3d(), theme);
            QVERIFY(w.action(item)->isChecked());
            QVERIFY(!w.action("Damier3D1")->isChecked());
            const QImage shown = find_child<Panel10>(w, "Panel10")->image()->image();
            QVERIFY(shown != previous);
            previous = shown;
        }
        w.action("Damier2D1")->trigger();
        QVERIFY(!find_child<Panel10>(w, "Panel10")->isVisible());
        QVERIFY(w.action("Damier2D1")->isChecked());
        QCOMPARE(view3d().theme_images().theme_3d(), 1);
    }

    void classiqueAndNuitShareTheirSprites() {
        MainWindow& w = start_3d(1, config());
        const int sets = view3d().theme_images().sprite_sets_read();
        const int pictures = view3d().theme_images().pictures_read();
        w.action("Damier3D2")->trigger();
        w.action("Damier3D1")->trigger();
        QCOMPARE(view3d().theme_images().sprite_sets_read(), sets);
        QCOMPARE(view3d().theme_images().pictures_read(), pictures + 2);
        w.action("Damier3D3")->trigger();
        w.action("Damier3D3")->trigger();
        QCOMPARE(view3d().theme_images().sprite_sets_read(), sets + 1);
        QCOMPARE(view3d().theme_images().pictures_read(), pictures + 3);
    }

    void aThemeWithOneSpriteMissingIsNotOfferedAndItsButtonOpensClassique() {
        const QString data = linked_data();
        QVERIFY(!data.isEmpty());
        QVERIFY(QFile::remove(QDir(data).filePath(QStringLiteral("Images5/dn5_32.bmp"))));
        MainWindow& w = start(config(data));
        QTest::mouseClick(find_child<IntroScreen>(w, "Intro")->theme_button(5), Qt::LeftButton);
        settle();
        QVERIFY(!w.action("Damier3D5")->isEnabled());
        QVERIFY(w.action("Damier3D6")->isEnabled());
        QVERIFY(w.action("Damier3D1")->isChecked());
        QCOMPARE(view3d().theme_images().theme_3d(), 1);
        QVERIFY(find_child<Panel10>(w, "Panel10")->isVisible());
        QVERIFY(m_errors.isEmpty());
    }

    void aThemeThatFailsToLoadLeavesTheThemeInUseWithOneMessage() {
        const QString data = linked_data();
        QVERIFY(!data.isEmpty());
        MainWindow& w = start_3d(3, config(data));
        const QImage before = find_child<Panel10>(w, "Panel10")->image()->image();
        // Gone after the start-up check: the item is still offered.
        QVERIFY(QFile::remove(QDir(data).filePath(QStringLiteral("Images4/pb4_7.bmp"))));
        QVERIFY(QFile::remove(QDir(data).filePath(QStringLiteral("Images4/pn4_9.bmp"))));
        QVERIFY(!view3d().choisir_theme(4));
        QCOMPARE(m_errors.size(), 1);
        QVERIFY(m_errors.first().contains(QStringLiteral("pb4_7.bmp")));
        QCOMPARE(view3d().theme_images().theme_3d(), 3);
        QVERIFY(w.action("Damier3D3")->isChecked());
        QVERIFY(!w.action("Damier3D4")->isChecked());
        QCOMPARE(find_child<Panel10>(w, "Panel10")->image()->image(), before);
    }

    // The copies at twice the size are read with the theme; one that is
    // missing costs only sharpness: the theme loads with no error, and the
    // view draws from the pictures at their own size.
    void largeCopiesAreReadWithTheThemeAndAMissingOneIsNoError() {
        const QString data = linked_data();
        QVERIFY(!data.isEmpty());
        start_3d(3, config(data));
        QVERIFY(view3d().theme_images().fine());
        QCOMPARE(view3d().theme_images().fine_sprite(BLACK_MAN, 1).size(), QSize(120, 120));
        QVERIFY(QFile::remove(QDir(data).filePath(QStringLiteral("Images4/pn4_9@2x.png"))));
        QVERIFY(view3d().choisir_theme(4));
        QCOMPARE(view3d().theme_images().theme_3d(), 4);
        QVERIFY(m_errors.isEmpty());
        QVERIFY(!view3d().theme_images().fine());
    }

    void clicksOnThePictureLandOnTheirSquaresInBothOrientations() {
        MainWindow& w = start_3d(1, config());
        w.action("Humaincontrehumain1")->trigger();
        settle();
        click_3d(22);
        click_3d(18);
        QCOMPARE(game().damier_affiche[18], WHITE_MAN);
        QCOMPARE(game().damier_affiche[22], EMPTY);
        w.action("Inverserdamier1")->trigger();
        QCOMPARE(find_child<Panel10>(w, "Panel10")->clock_y(WHITE), 56);
        QCOMPARE(find_child<Panel10>(w, "Panel10")->clock_y(BLACK), 448);
        click_3d(11);
        click_3d(15);
        QCOMPARE(game().damier_affiche[15], BLACK_MAN);
        QCOMPARE(game().damier_affiche[11], EMPTY);
        QCOMPARE(find_child<Panel10>(w, "Panel10")->move_number_text(),
                 QStringLiteral("Coups : 2"));
        // A click between the sprites changes nothing.
        const BoardArray board = game().damier_affiche;
        QTest::mouseClick(find_child<Panel10>(w, "Panel10")->image(), Qt::LeftButton, {},
                          QPoint(700, 300));
        settle();
        QCOMPARE(game().damier_affiche, board);
    }

    void theSquareDrawnAtAPositionIsItsSprite() {
        MainWindow& w = start_3d(3, config());
        const QImage shown = find_child<Panel10>(w, "Panel10")->image()->image();
        const PixelPoint at = positions_3d[1];
        QCOMPARE(shown.copy(at.x, at.y, 60, 60), view3d().theme_images().sprite(BLACK_MAN, 1));
        w.action("Inverserdamier1")->trigger();
        // Upside down, position 1 shows square 32, a white man.
        const QImage turned = find_child<Panel10>(w, "Panel10")->image()->image();
        QCOMPARE(turned.copy(at.x, at.y, 60, 60), view3d().theme_images().sprite(WHITE_MAN, 1));
    }

    void blindPlayHidesThePiecesAndStopsClickStopping() {
        MainWindow& w = start_3d(1, config());
        QVERIFY(w.action("Jeuenaveugle1")->isEnabled());
        QVERIFY(w.action("Arretrflexionparclicsouris1")->isChecked());
        w.action("Jeuenaveugle1")->trigger();
        QVERIFY(w.action("Jeuenaveugle1")->isChecked());
        QVERIFY(!w.action("Arretrflexionparclicsouris1")->isChecked());
        const QImage blind = find_child<Panel10>(w, "Panel10")->image()->image();
        const PixelPoint at = positions_3d[1];
        QCOMPARE(blind.copy(at.x, at.y, 60, 60), view3d().theme_images().sprite(EMPTY, 1));
        w.action("Jeuenaveugle1")->trigger();
        const QImage seen = find_child<Panel10>(w, "Panel10")->image()->image();
        QCOMPARE(seen.copy(at.x, at.y, 60, 60), view3d().theme_images().sprite(BLACK_MAN, 1));
    }

    void thePictureIsSavedAsABitmap() {
        MainWindow& w = start_3d(7, config());
        QCOMPARE(w.action("Editerlimagefichierbmp1")->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_E));
        const QString path = QDir(m_user->path()).filePath(QStringLiteral("board.bmp"));
        QVERIFY(view3d().editer_image(path));
        const QImage saved(path, "BMP");
        QCOMPARE(saved.size(), QSize(PICTURE_3D_WIDTH, PICTURE_3D_HEIGHT));
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32),
                 find_child<Panel10>(w, "Panel10")
                     ->image()
                     ->image()
                     .convertToFormat(QImage::Format_RGB32));
        // A folder that does not exist: refused, and said so once.
        QVERIFY(
            !view3d().editer_image(QDir(m_user->path()).filePath(QStringLiteral("no/such.bmp"))));
        QCOMPARE(m_errors.size(), 1);
    }

    void aThemeButtonRestoresTheLastGame() {
        const QString last = QDir(m_user->path()).filePath(QStringLiteral("last32.dam"));
        write_position(last, "W:Wd4,b2:Ba7,Kc1");
        MainWindow& w = start(config());
        QTest::mouseClick(find_child<IntroScreen>(w, "Intro")->theme_button(6), Qt::LeftButton);
        settle();
        QVERIFY(w.action("Damier3D6")->isChecked());
        QCOMPARE(game().damier_affiche[18], WHITE_MAN);
        QCOMPARE(game().damier_affiche[30], BLACK_KING);
        QCOMPARE(find_child<Panel10>(w, "Panel10")->count_text(WHITE), QStringLiteral("  2"));
        QCOMPARE(find_child<Panel10>(w, "Panel10")->count_text(BLACK), QStringLiteral("  2"));
    }

    void thePanelsOverTheBoardFollowTheViewShown() {
        MainWindow& w = start_3d(4, config());
        QVERIFY(w.action("Nouveau2")->isEnabled());
        w.action("Nouveau2")->trigger();
        settle();
        QVERIFY(find_child<NewGamePanel>(w, "Nouvelle_partie")->isVisible());
        QCOMPARE(find_child<NewGamePanel>(w, "Nouvelle_partie")->parentWidget(),
                 find_child<Panel10>(w, "Panel10")->image());
        QVERIFY(find_child<EndOfGamePanel>(w, "fin_de_parties")->parentWidget() ==
                find_child<Panel10>(w, "Panel10")->image());
        w.action("Damier2D1")->trigger();
        QCOMPARE(find_child<NewGamePanel>(w, "Nouvelle_partie")->parentWidget(), board());
        QVERIFY(find_child<NewGamePanel>(w, "Nouvelle_partie")->isVisible());
    }

    void theTwoDimensionalButtonDoesNotRestoreIt() {
        const QString last = QDir(m_user->path()).filePath(QStringLiteral("last32.dam"));
        write_position(last, "W:Wd4,b2:Ba7,Kc1");
        MainWindow& w = start(config());
        QTest::mouseClick(find_child<IntroScreen>(w, "Intro")->board_2d_button(), Qt::LeftButton);
        settle();
        QCOMPARE(game().damier_affiche, start_position());
        QVERIFY(!find_child<Panel10>(w, "Panel10")->isVisible());
    }
};

QTEST_MAIN(Board3dWindowTest)
#include "board3d_window_test.moc"
