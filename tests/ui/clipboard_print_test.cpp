// The Edition menu's clipboard and the printed score sheet, in the window
// driven headless.

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPrinter>

#include "game/clipboard_text.h"
#include "tests/ui/window_fixture.h"
#include "ui/print/game_score_sheet.h"
#include "ui/print/score_sheet_print.h"

namespace selvako::test {

namespace {

// Pages as a PDF writer counts them: one "/Type /Page" object each.
int pdf_pages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = file.readAll();
    int pages = 0;
    for (qsizetype at = bytes.indexOf("/Type /Page"); at >= 0;
         at = bytes.indexOf("/Type /Page", at + 1))
        if (bytes.mid(at + 11, 1) != "s") ++pages;
    return pages;
}

void pdf_printer(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

} // namespace

class ClipboardPrintTest : public WindowFixture {
    Q_OBJECT
  private slots:
    void init() { new_user_folder(); }
    void cleanup() { m_window.reset(); }

    void copiedPositionAndGamePasteBack() {
        MainWindow& w = start_hvh();
        click(parse_square("c3"));
        click(parse_square("d4"));
        click(parse_square("f6"));
        click(parse_square("e5"));
        QCOMPARE(game().longueur_partie, 2);
        QClipboard* clipboard = QGuiApplication::clipboard();

        w.action("Copierposition1")->trigger();
        QCOMPARE(clipboard->text().toStdString(), position_fen(game()));
        const QString fen = clipboard->text();

        w.action("Copierpartie1")->trigger();
        const QString pdn = clipboard->text();
        QVERIFY(pdn.contains(QStringLiteral("1. c3-d4 f6-e5")));

        // The copied FEN pasted into a new game sets that position up.
        w.action("Nouveau2")->trigger();
        settle();
        clipboard->setText(fen);
        w.action("Coller1")->trigger();
        settle();
        QCOMPARE(QString::fromStdString(position_fen(game())), fen);
        QCOMPARE(game().longueur_partie, 0);
        QVERIFY(!controller().computer_to_move());

        // The copied game comes back move by move.
        clipboard->setText(pdn);
        w.action("Coller1")->trigger();
        settle();
        QCOMPARE(game().longueur_partie, 2);
        QCOMPARE(lines(), QStringList{QStringLiteral(" 1.c3-d4 f6-e5")});
        QVERIFY(m_errors.isEmpty());
    }

    void badClipboardTextIsRefusedOnceAndChangesNothing() {
        MainWindow& w = start_hvh();
        click(parse_square("c3"));
        click(parse_square("d4"));
        const std::string before = position_fen(game());
        const QStringList moves = lines();
        for (const char* bad : {"Bonjour", "W:Wb8:Bd6", ""}) {
            const qsizetype errors = m_errors.size();
            QGuiApplication::clipboard()->setText(QString::fromLatin1(bad));
            w.action("Coller1")->trigger();
            settle();
            QCOMPARE(m_errors.size(), errors + 1);
            QVERIFY(m_errors.last().contains(QStringLiteral("presse-papiers")));
            QCOMPARE(position_fen(game()), before);
            QCOMPARE(lines(), moves);
        }
    }

    void imprimerIsInTheFichierMenuWithCtrlP() {
        MainWindow& w = start_2d();
        QAction* imprimer = w.action("Imprimer1");
        QVERIFY(imprimer);
        QCOMPARE(imprimer->text(), QStringLiteral("Imprimer"));
        QCOMPARE(imprimer->shortcut(), QKeySequence(QKeySequence::Print));
    }

    void scoreSheetPrintsToOnePdfPage() {
        start_hvh();
        click(parse_square("c3"));
        click(parse_square("d4"));
        const QString path = QDir(m_user->path()).filePath(QStringLiteral("sheet.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        pdf_printer(printer, path);
        QVERIFY(files().imprimer(printer));
        QCOMPARE(pdf_pages(path), 1);
    }

    void sheetNamesBothSidesAndEndsWithTheResult_data() {
        QTest::addColumn<QString>("pdn");
        QTest::addColumn<int>("langue");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("last");
        QTest::newRow("no names, won") << QStringLiteral("1. c3-d4 f6-e5 2-0") << int(FRANCAIS)
                                       << QStringLiteral("Blancs - Noirs") << QStringLiteral("2-0");
        QTest::newRow("names, drawn")
            << QStringLiteral("[White \"Anne\"]\n[Black \"Bruno\"]\n1. c3-d4 f6-e5 1-1")
            << int(ENGLISH) << QStringLiteral("Anne - Bruno") << QStringLiteral("1-1");
        QTest::newRow("no result yet")
            << QStringLiteral("1. c3-d4 f6-e5 *") << int(NEDERLANDS)
            << QStringLiteral("Wit - Zwart") << QStringLiteral(" 1.c3-d4 f6-e5");
    }
    void sheetNamesBothSidesAndEndsWithTheResult() {
        QFETCH(QString, pdn);
        QFETCH(int, langue);
        QFETCH(QString, title);
        QFETCH(QString, last);
        start_hvh();
        QVERIFY(files().coller_texte(pdn.toStdString()));
        const ScoreSheet sheet = game_score_sheet(game(), langue);
        QCOMPARE(sheet.title, title);
        QVERIFY(!sheet.lines.isEmpty());
        QCOMPARE(sheet.lines.last().trimmed(), last.trimmed());
    }

    // Many lines at a large resolution: several pages, each line below the
    // one before or at the top of a new page, and none past the page.
    void longSheetBreaksIntoPagesWithNothingPastTheBottom() {
        ScoreSheet sheet;
        sheet.title = QStringLiteral("Inconnu-Selvako");
        for (int k = 0; k < 90; ++k)
            sheet.lines << QStringLiteral("%1.c3-d4 f6-e5  ").arg(6 * k + 1, 2).repeated(6);
        sheet.final_position = start_position();
        const QString path = QDir(m_user->path()).filePath(QStringLiteral("long.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        pdf_printer(printer, path);
        const PrintReport report = print_score_sheet(printer, sheet);
        QVERIFY(report.printed);
        QVERIFY(report.pages > 1);
        QCOMPARE(pdf_pages(path), report.pages);
        QCOMPARE(report.placed.size(), std::size_t(91));
        QVERIFY(report.widest_line <= report.page_width);
        for (std::size_t k = 0; k < report.placed.size(); ++k) {
            QVERIFY(report.placed[k].bottom <= report.page_height);
            if (k == 0) continue;
            const auto& prev = report.placed[k - 1];
            const auto& line = report.placed[k];
            QVERIFY(line.page == prev.page ? line.top > prev.bottom
                                           : line.page == prev.page + 1 && line.top == 0);
        }
        QCOMPARE(report.placed.back().page + 1, report.pages);
    }
};

} // namespace selvako::test

QTEST_MAIN(selvako::test::ClipboardPrintTest)
#include "clipboard_print_test.moc"
