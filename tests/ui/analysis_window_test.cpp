// The analysis in the window: Form4 above the main window with its lines and
// score graph, a click on a point showing that position, "Editer analyse"
// and "Imprimer analyse" (to a PDF file), and "Fin analyse".

#include <QFile>
#include <QPrinter>
#include <QTest>

#include "tests/ui/window_fixture.h"
#include "ui/analysis/analysis_window.h"

using namespace selvako;
using namespace selvako::test;

namespace {

// A game between two quick engines; Black wins when White is left without
// a move.
constexpr const char* GAME =
    "[White \"Blanc\"]\n[Black \"Noir\"]\n[Result \"0-2\"]\n[GameType \"26\"]\n"
    "1. a3-b4 b6-c5 2. b4-a5 a7-b6 3. c3-d4 h6-g5 4. g3-f4 g7-h6 5. b2-c3 h8-g7\n"
    "6. a1-b2 g5-h4 7. h2-g3 f6-g5 8. d4-e5 c5-b4 9. c3-d4 b4-a3 10. d2-c3 b8-a7\n"
    "11. e1-d2 e7-f6 12. d4-c5 b6xd4 13. e3xe7 f6xd4 14. c3xe5 d8xd4 15. b2-c3 d4xb2\n"
    "16. f4-e5 b2-a1 17. e5-d6 c7xe5 18. d2-c3 a1xd4 19. f2-e3 h4xf2 20. e3xc5 f2-e1\n"
    "21. g1-h2 g5-f4 22. a5-b6 e1-b4 23. c1-d2 b4xd6 24. d2-c3 a7xc5 25. h2-g3 f4xh2\n"
    "26. c3-b4 d6-b8 27. b4xf4 b8xg3 0-2\n";

} // namespace

class AnalysisWindowTest : public WindowFixture {
    Q_OBJECT

  private slots:
    void init() { new_user_folder(); }
    void cleanup() { m_window.reset(); }

    void analysisShownPrintedAndSaved() {
        MainWindow& w = start_hvh();
        const QString game_file = QDir(m_user->path()).filePath(QStringLiteral("Sauve/game.pdn"));
        QFile file(game_file);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(GAME);
        file.close();
        QVERIFY(files().lire_fichier_texte(game_file));
        settle();
        QCOMPARE(int(controller().game().longueur_partie), 54);
        QVERIFY(!w.action("Arrtercettephase1")->isEnabled());

        w.action("Dbuteruneanalyse1")->trigger();
        AnalysisWindow* form4 = find_child<AnalysisWindow>(w, "Form4");
        QVERIFY(form4->isVisible());
        QVERIFY(form4->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!w.action("Dbuteruneanalyse1")->isEnabled());
        QVERIFY(w.action("Arrtercettephase1")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!controller().analysis().analysis.running(), 60000);
        settle();

        // White has no move at the end: the last move is scored as the win.
        QCOMPARE(form4->list()->count(), 54 + 2);
        QCOMPARE(form4->list()->item(0)->text().left(16), QStringLiteral(" 1 Blanc: joué :"));
        QVERIFY(form4->list()->item(53)->text().contains(QStringLiteral("score : 15999")));
        QCOMPARE(form4->list()->item(54)->text().left(18), QStringLiteral("+100 gagne un pion"));
        QCOMPARE(int(form4->graph()->points().size()), 54);
        int stars = 0;
        for (int row = 0; row < 54; ++row)
            if (form4->list()->item(row)->text().startsWith(QLatin1Char('*'))) ++stars;
        int marked = 0;
        for (const GraphPoint& p : form4->graph()->points()) marked += p.starred ? 1 : 0;
        QVERIFY(stars > 0);
        QCOMPARE(marked, stars);
        if (const QString dir = qEnvironmentVariable("SELVAKO_SNAPSHOT_DIR"); !dir.isEmpty()) {
            form4->resize(640, 520);
            settle();
            QVERIFY(form4->grab().save(QDir(dir).filePath(QStringLiteral("analysis-window.png")),
                                       "PNG"));
        }

        // A click on a point of the graph shows that position on the board.
        const int x = form4->graph()->width() / 2;
        const int ply = *form4->graph()->ply_at(x);
        QTest::mouseClick(form4->graph(), Qt::LeftButton, {}, QPoint(x, 40));
        settle();
        QCOMPARE(int(game().num_demi_coup), ply);
        QCOMPARE(game().damier_affiche, game().historique[ply].board);
        // A click on a line does the same.
        QTest::mouseClick(form4->list()->viewport(), Qt::LeftButton, {},
                          form4->list()->visualItemRect(form4->list()->item(3)).center());
        settle();
        QCOMPARE(int(game().num_demi_coup), 3);

        const QString text = QDir(m_user->path()).filePath(QStringLiteral("analyse.txt"));
        QVERIFY(analysis().editer_analyse(text));
        QFile saved(text);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QStringList lines =
            QString::fromUtf8(saved.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 54);
        QCOMPARE(lines.first(), form4->list()->item(0)->text());
        QVERIFY(!analysis().editer_analyse(
            QDir(m_user->path()).filePath(QStringLiteral("none/analyse.txt"))));
        QVERIFY(m_errors.contains(QStringLiteral("Impossible d'ouvrir ce fichier")));

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = QDir(m_user->path()).filePath(QStringLiteral("analyse.pdf"));
        printer.setOutputFileName(pdf);
        QVERIFY(analysis().imprimer_analyse(printer));
        QVERIFY(QFileInfo(pdf).size() > 1000);

        form4->fin()->click();
        settle();
        QVERIFY(!form4->isVisible());
        QVERIFY(w.action("Dbuteruneanalyse1")->isEnabled());
        QVERIFY(!w.action("Terminerlanalyse1")->isEnabled());
        // The position on show goes on with its own side to move.
        QCOMPARE(int(game().trait()), BLACK);
    }
};

QTEST_MAIN(AnalysisWindowTest)
#include "analysis_window_test.moc"
