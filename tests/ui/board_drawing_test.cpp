// The 2D board drawn at any size and pixel density: unchanged at its designed
// size, no seam between squares at a fractional scale, and sharper than its
// 60-pixel images once it is larger than they are. The tests run once at the
// screen's usual density and once with QT_SCALE_FACTOR=2, as on a HiDPI screen.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>

#include "ui/board/board_geometry.h"
#include "ui/board/board_view.h"

using namespace selvako;

namespace {

const QString IMAGES = QStringLiteral(SELVAKO_TEST_DATA_DIR "/Images1");

BoardArray test_position() {
    BoardArray board{};
    for (int s = 1; s <= 12; ++s) board[s] = BLACK_MAN;
    for (int s = 21; s <= 32; ++s) board[s] = WHITE_MAN;
    board[15] = WHITE_KING;
    board[18] = BLACK_KING;
    return board;
}

// Device pixels per logical pixel on this run's screen.
double screen_ratio() {
    return qApp->devicePixelRatio();
}

// The board widget as the window shows it, at `size` logical pixels, in the
// screen's device pixels.
QImage drawn(const BoardImages& images, QSize size) {
    static const BoardArray board = test_position();
    static const SquareFrames frames = no_frames();
    static const DisplayState display{};
    BoardView view(board, frames, display, images);
    view.resize(size);
    return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// How much neighbouring pixels differ, summed: a soft picture scores less.
long long detail(const QImage& image) {
    long long sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 1; x < image.width(); ++x) {
            const QRgb a = image.pixel(x - 1, y), b = image.pixel(x, y);
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                   std::abs(qBlue(a) - qBlue(b));
        }
    return sum;
}

QRect device_square(Square s, double scale) {
    const PixelPoint at = square_origin(s, false);
    return {qRound(at.x * scale), qRound(at.y * scale), qRound(SQUARE_PIXELS * scale),
            qRound(SQUARE_PIXELS * scale)};
}

} // namespace

class BoardDrawingTest : public QObject {
    Q_OBJECT
    BoardImages m_images;

  private slots:
    void initTestCase() { QVERIFY(m_images.load(IMAGES).isEmpty()); }

    void designedSizeDrawsTheImagesUnchanged() {
        if (screen_ratio() != 1)
            QSKIP("the images are drawn pixel for pixel on a usual screen only");
        const QImage shot = drawn(m_images, {BoardView::LOGICAL_WIDTH, BoardView::LOGICAL_HEIGHT});
        const BoardArray board = test_position();
        for (const Square s : {Square(1), Square(15), Square(18), Square(21), Square(32)}) {
            const PixelPoint at = square_origin(s, false);
            QCOMPARE(shot.copy(at.x, at.y, SQUARE_PIXELS, SQUARE_PIXELS),
                     m_images.square(board[s]).convertToFormat(QImage::Format_RGB32));
        }
    }

    // Sizes whose scale is no whole number.
    void squaresMeetWithNoSeam_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("scale 0.73") << QSize(374, 376);
        QTest::newRow("scale 1.37") << QSize(701, 705);
        QTest::newRow("scale 1.79") << QSize(917, 922);
    }
    void squaresMeetWithNoSeam() {
        QFETCH(QSize, size);
        const QImage shot = drawn(m_images, size);
        const double ratio = screen_ratio();
        const double scale = ratio * std::min(double(size.width()) / BoardView::LOGICAL_WIDTH,
                                              double(size.height()) / BoardView::LOGICAL_HEIGHT);
        const double left = (size.width() * ratio - BoardView::LOGICAL_WIDTH * scale) / 2;
        // Along the middle of every row of squares, from the board's left edge
        // to its right, every pixel is a square's: none of the background.
        const QColor background(0xC0, 0xC0, 0xC0);
        for (int row = 0; row < 8; ++row) {
            const int y = qRound((BOARD_TOP + SQUARE_PIXELS * row + 30) * scale);
            for (int x = qRound(left + BOARD_LEFT * scale) + 1;
                 x < qRound(left + (BOARD_LEFT + 8 * SQUARE_PIXELS) * scale) - 1; ++x)
                QVERIFY2(shot.pixelColor(x, y) != background,
                         qPrintable(QStringLiteral("background at (%1, %2)").arg(x).arg(y)));
        }
    }

    // Squares of 120 device pixels, by a widget twice the designed size or by
    // a screen of twice the density: each is drawn from the large drawing,
    // with more detail than the 60-pixel image would keep once stretched.
    void largerSquaresAreSharperThanStretchedImages_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("designed size") << QSize(512, 515);
        QTest::newRow("twice the size") << QSize(1024, 1030);
    }
    void largerSquaresAreSharperThanStretchedImages() {
        QFETCH(QSize, size);
        const double scale = screen_ratio() * size.height() / BoardView::LOGICAL_HEIGHT;
        if (scale != 2) QSKIP("the squares are not 120 device pixels here");
        const QImage shot = drawn(m_images, size);
        const BoardArray board = test_position();
        for (const Square s : {Square(1), Square(15), Square(18), Square(32)}) {
            const QRect square = device_square(s, 2);
            const QImage stretched = m_images.square(board[s]).scaled(
                square.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QVERIFY2(detail(shot.copy(square)) > detail(stretched) * 5 / 4,
                     qPrintable(QStringLiteral("square %1: %2 against %3")
                                    .arg(s)
                                    .arg(detail(shot.copy(square)))
                                    .arg(detail(stretched))));
        }
    }

    // The large drawing is only a finer copy: one of the wrong size is left
    // out and the 60-pixel image is drawn at every size.
    void largeDrawingOfTheWrongSizeIsLeftOut_data() {
        QTest::addColumn<int>("large_side");
        QTest::addColumn<bool>("used");
        QTest::newRow("four times") << 240 << true;
        QTest::newRow("twice") << 120 << false;
        QTest::newRow("absent") << 0 << false;
    }
    void largeDrawingOfTheWrongSizeIsLeftOut() {
        QFETCH(int, large_side);
        QFETCH(bool, used);
        QTemporaryDir folder;
        const QDir source(IMAGES);
        for (const char* name :
             {"1pva.bmp", "1pba.BMP", "1dba.bmp", "1pna.bmp", "1dna.bmp", "1cache.BMP"})
            QVERIFY(QFile::copy(source.filePath(QString::fromLatin1(name)),
                                folder.filePath(QString::fromLatin1(name))));
        if (large_side > 0) {
            QImage large(large_side, large_side, QImage::Format_RGB32);
            large.fill(Qt::blue);
            QVERIFY(large.save(folder.filePath(QStringLiteral("1pba@4x.png"))));
        }
        BoardImages images;
        QVERIFY(images.load(folder.path()).isEmpty());
        QCOMPARE(images.square(WHITE_MAN, 60).width(), 60);
        QCOMPARE(images.square(WHITE_MAN, 180).width(), used ? 240 : 60);
        // The other codes have no large drawing here.
        QCOMPARE(images.square(BLACK_MAN, 180).width(), 60);
    }
};

QTEST_MAIN(BoardDrawingTest)
#include "board_drawing_test.moc"
