// The "Probleme" tab in the window: Ctrl+I opens it, the buttons reach the
// controller, refusals are shown, and the computer plays the position set up.

#include <QClipboard>
#include <QGroupBox>
#include <QTabWidget>

#include "tests/ui/window_fixture.h"

using namespace selvako;
using namespace selvako::test;

class ProblemWindowTest : public WindowFixture {
    Q_OBJECT

    ProblemPage* page() const { return find_child<ProblemPage>(*m_window); }
    template <class T> T* child(const char* name) const {
        return page()->findChild<T*>(QString::fromLatin1(name));
    }

  private slots:
    void init() { new_user_folder(); }

    void setUpByHandAndHandedToTheComputer() {
        MainWindow& w = start_2d();
        QCOMPARE(w.action("Installeruneposition1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
        w.action("Installeruneposition1")->trigger();
        settle();
        QCOMPARE(find_child<QTabWidget>(w, "Liste")->currentWidget(), page());
        QCOMPARE(game().mode_edition, std::uint8_t{1});
        QCOMPARE(child<QGroupBox>("Probleme")->title(), QStringLiteral("PLACEZ LES PIONS"));

        child<QPushButton>("vider1")->click();
        for (Square s = 1; s <= NUM_SQUARES; ++s) QCOMPARE(game().damier_affiche[s], EMPTY);
        child<QToolButton>("SpeedButton11")->click();
        // The indicator shows the generated 48 x 48 symbol of the piece chosen.
        QCOMPARE(page()->indicator()->pixmap().size(), QSize(48, 48));
        const Square d4 = parse_square("d4");
        click(d4);
        QCOMPARE(game().damier_affiche[d4], WHITE_KING);
        QCOMPARE(
            page()->blancs()->text(),
            QString::asprintf("Eval stat blancs:%4d", controller().editor().evaluation[WHITE]));
        QVERIFY(controller().editor().evaluation[WHITE] > 0);
        // SELVAKO_SNAPSHOT_DIR set: the picture of the tab for the documentation.
        if (const QString dir = qEnvironmentVariable("SELVAKO_SNAPSHOT_DIR"); !dir.isEmpty())
            QVERIFY(w.grab().save(QDir(dir).filePath(QStringLiteral("set-up-tab.png")), "PNG"));

        // A white man on its promotion row: refused, and said.
        child<QToolButton>("SpeedButton10")->click();
        const Square b8 = parse_square("b8");
        click(b8);
        QCOMPARE(game().damier_affiche[b8], EMPTY);
        QVERIFY(!page()->message()->text().isEmpty());

        // The direction twice: caption, view and board as they were.
        const BoardArray before = game().damier_affiche;
        QCOMPARE(page()->bas_haut()->text(), QStringLiteral("Blancs:Bas->Haut"));
        page()->bas_haut()->click();
        QCOMPARE(page()->bas_haut()->text(), QStringLiteral("Blancs:Haut->Bas"));
        QVERIFY(inverted());
        QCOMPARE(game().damier_affiche[BOARD_CELLS - d4], WHITE_KING);
        page()->bas_haut()->click();
        QCOMPARE(page()->bas_haut()->text(), QStringLiteral("Blancs:Bas->Haut"));
        QVERIFY(!inverted());
        QCOMPARE(game().damier_affiche, before);

        // A position pasted from the clipboard; bad text is said and changes nothing.
        QGuiApplication::clipboard()->setText(QStringLiteral("W:Wc3,Kd4:Bf6"));
        child<QPushButton>("Coller_fen")->click();
        QCOMPARE(game().damier_affiche[parse_square("f6")], BLACK_MAN);
        QVERIFY(page()->message()->text().isEmpty());
        const BoardArray pasted = game().damier_affiche;
        QGuiApplication::clipboard()->setText(QStringLiteral("pas une position"));
        child<QPushButton>("Coller_fen")->click();
        QVERIFY(page()->message()->text().startsWith(QStringLiteral("Position FEN illisible")));
        QCOMPARE(game().damier_affiche, pasted);

        // The start position, the computer (Black) to move first.
        child<QPushButton>("remplir1")->click();
        QCOMPARE(game().damier_affiche, start_position());
        QCOMPARE(page()->couleur_ordi()->text(), QStringLiteral("Ordinateur noir"));
        QCOMPARE(page()->couleur_joue()->text(), QStringLiteral("Joueur joue"));
        page()->couleur_joue()->click();
        QCOMPARE(page()->couleur_joue()->text(), QStringLiteral("Ordinateur joue"));
        QCOMPARE(game().trait(), std::uint8_t{BLACK});

        // Ctrl+I again ends the set-up and the computer opens with Black.
        w.action("Installeruneposition1")->trigger();
        QCOMPARE(game().mode_edition, std::uint8_t{0});
        QVERIFY(find_child<QTabWidget>(w, "Liste")->currentWidget() != page());
        QTRY_COMPARE(game().num_demi_coup, std::uint8_t{1});
        settle();
        QCOMPARE(lines().size(), 1);
        QVERIFY2(lines()[0].startsWith(QStringLiteral(" 1. ... ")), qPrintable(lines()[0]));
    }
};

QTEST_MAIN(ProblemWindowTest)
#include "problem_window_test.moc"
