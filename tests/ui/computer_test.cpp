// The computer's moves in the window: its search on the window's thread,
// stopping it, thinking on the human's time, its panels and whole games.

#include <QFile>
#include <QTimer>

#include <functional>

#include "engine/make_move.h"
#include "tests/ui/window_fixture.h"

using namespace selvako;
using namespace selvako::test;

namespace {

// Both sides on their two back rows, White to move: h2 (28) has one move,
// d2 (26) two, and no piece can be taken in the first three plies.
constexpr const char* BACK_ROWS = "W:W1-8:B25-32";

} // namespace

class ComputerTest : public WindowFixture {
    Q_OBJECT

    // Runs `action` from the event loop as soon as `ready` holds, checked
    // every 20 ms: what a user does while the search runs.
    void when(std::function<bool()> ready, std::function<void()> action) {
        auto* timer = new QTimer(m_window.get());
        timer->setInterval(20);
        connect(timer, &QTimer::timeout, timer, [timer, ready, action] {
            if (!ready()) return;
            timer->stop();
            timer->deleteLater();
            action();
        });
        timer->start();
    }

    void wait_for_ply(int ply, int timeout_ms = 30000) {
        QTRY_COMPARE_WITH_TIMEOUT(int(game().num_demi_coup), ply, timeout_ms);
        QTRY_VERIFY_WITH_TIMEOUT(!board()->animating(), 3000);
        settle();
    }

    // The computer's own search, not thinking on the human's time.
    bool computer_thinking() const { return controller().computer_thinking(); }

    // At a fixed-depth level thinking on the human's time ends at that depth
    // at once; at a timed one ("5 : Excellence") it runs until the human
    // acts. The computer's own moves stay quick: its time runs fast while
    // it searches.
    void ponder_until_the_human_acts() {
        m_window->action("Niveau05")->trigger();
        auto* clock = new QTimer(m_window.get());
        clock->setInterval(20);
        connect(clock, &QTimer::timeout, clock, [this] {
            if (computer_thinking()) m_time.advance_seconds(60);
        });
        clock->start();
    }

  private slots:
    void init() { new_user_folder(); }
    void cleanup() { m_window.reset(); }

    void trainingGameTheComputerAnswersAtItsDepth() {
        MainWindow& w = start_2d();
        click(22); // c3: two moves, picked up
        click(18); // d4
        wait_for_ply(2);
        QCOMPARE(game().trait(), WHITE);
        QCOMPARE(game().ordinateur_au_trait, 0);
        QCOMPARE(game().couleur_ordinateur, BLACK);
        QCOMPARE(move_list()->item(0)->text().left(9), QStringLiteral(" 1.c3-d4 "));
        QCOMPARE(move_list()->item(0)->text().size(), 14);
        const FicheCoup& reply = game().historique[2];
        QCOMPARE(controller().input().frames[reply.to], 0x00FFFFu);
        QCOMPARE(controller().input().frames[reply.from], 0xC0C0C0u);
        QVERIFY(m_sound.played.contains(QStringLiteral("son.wav")));
        // "1 : Débutant" searches three plies deep and no further.
        QCOMPARE(controller().last_search().depth, 3);
        QVERIFY(find_child<CalculPage>(w)->listbox2()->item(0)->text().startsWith(
            QStringLiteral("Profondeur :")));
        QVERIFY(find_child<CalculPage>(w)->root_list()->count() > 1);
        QVERIFY(w.action("Nouveau2")->isEnabled());
        QVERIFY(button("Proposernul")->isEnabled());

        // "Editer meilleurs coups" writes the information lines.
        QTest::mouseClick(find_child<CalculPage>(w)->best_button(), Qt::LeftButton);
        QFile best(QDir(m_user->path()).filePath(QStringLiteral("Bestmove.txt")));
        QVERIFY(best.open(QIODevice::ReadOnly | QIODevice::Text));
        QVERIFY(best.readLine().startsWith("Profondeur :"));
    }

    void aForcedAnswerIsShownAndThinkingOnTheHumansTimeFollows() {
        MainWindow& w = start_2d();
        w.action("Rflexionsurtempsadverse1")->trigger();
        // At "1 : Débutant" the thinking on the human's time ends at its
        // depth at once. After b6-c5, d4xb6; Black's capture back is shown;
        // then it thinks again, and e3 is picked up.
        const auto shown = [&](int ply) {
            return game().num_demi_coup == ply && !board()->animating() &&
                   !controller().searching();
        };
        when([&] { return shown(2); },
             [&] {
                 click(18);
                 when([&] { return shown(4) && controller().computer().reflexion; },
                      [&] { click(23); });
             });
        click(22);
        click(18); // c3-d4
        QTRY_COMPARE(int(game().num_demi_coup), 4);
        QCOMPARE(game().historique[2].from, Square{9});
        QTRY_VERIFY_WITH_TIMEOUT(!board()->animating(), 3000);
        // Black takes back on b6 from a7 (to c5) or from c7 (to a5).
        const Square landed = game().historique[4].to;
        QVERIFY(landed == 14 || landed == 13);
        QCOMPARE(game().damier_affiche[landed], BLACK_MAN);
        QCOMPARE(game().damier_affiche[9], EMPTY);                 // b6
        QTRY_COMPARE(controller().input().piece_prise, WHITE_MAN); // e3, picked up
        QVERIFY(!controller().searching());
        QCOMPARE(find_child<SidePanel>(w, "Panel6")->count_text(), QStringLiteral(" 11"));
        // The board as drawn shows the forced capture.
        const QImage picture = board()->grab().toImage();
        const QPointF taker = board()->logical_transform().map(
            QPointF(square_origin(landed, false).x + 30, square_origin(landed, false).y + 30));
        const QPointF b6 = board()->logical_transform().map(
            QPointF(square_origin(9, false).x + 30, square_origin(9, false).y + 30));
        QVERIFY(picture.pixelColor(taker.toPoint()).lightness() < 100);
        QVERIFY(picture.pixelColor(b6.toPoint()).lightness() < 150);
    }

    void stopButtonPlaysTheBestMoveSoFar() {
        MainWindow& w = start_2d();
        w.action("Niveau081")->trigger(); // with the test's clock still, it never ends alone
        open_position(BACK_ROWS);
        bool locked = false;
        when([this] { return computer_thinking(); },
             [&] {
                 locked = !w.action("Nouveau2")->isEnabled() &&
                          !button("Proposernul")->isEnabled() && !navigation_button(1)->isEnabled();
                 QTest::mouseClick(button("Joue"), Qt::LeftButton);
             });
        click(28); // h2-g3, its only move
        wait_for_ply(2);
        QVERIFY(locked);
        QCOMPARE(game().trait(), WHITE);
        QVERIFY(!controller().searching());
        QVERIFY(w.action("Nouveau2")->isEnabled());
        QVERIFY(navigation_button(1)->isEnabled());
    }

    void boardClickStopsTheSearchAndStartsTheReply() {
        MainWindow& w = start_2d();
        w.action("Niveau081")->trigger();
        open_position(BACK_ROWS);
        when([this] { return computer_thinking(); }, [this] { click(26); });
        click(28);
        wait_for_ply(2);
        QCOMPARE(controller().input().piece_prise, WHITE_MAN); // d2, picked up for the reply
        QCOMPARE(controller().input().chemin_clics[0], Square{26});
    }

    void withoutTheOptionClicksWhileItThinksAreIgnored() {
        MainWindow& w = start_2d();
        w.action("Niveau081")->trigger();
        w.action("Arretrflexionparclicsouris1")->trigger();
        open_position(BACK_ROWS);
        when([this] { return computer_thinking(); },
             [&] {
                 click(26);
                 QVERIFY(controller().searching());
                 w.action("Pause1")->trigger(); // "Arrêt du calcul"
             });
        click(28);
        wait_for_ply(2);
        QCOMPARE(controller().input().piece_prise, 0);
    }

    void thinkingOnTheHumansTimeOncePerTurn() {
        MainWindow& w = start_2d();
        open_position(BACK_ROWS);
        ponder_until_the_human_acts();
        w.action("Rflexionsurtempsadverse1")->trigger();
        QVERIFY(w.action("Rflexionsurtempsadverse1")->isChecked());
        int ponderings = 0;
        // The first pondering starts after the computer's answer; a click on
        // a white man ends it and picks the man up.
        when([&] { return controller().pondering(); },
             [&] {
                 ++ponderings;
                 click(26);
             });
        click(28);
        wait_for_ply(2);
        QTRY_COMPARE(ponderings, 1);
        QCOMPARE(controller().input().piece_prise, WHITE_MAN);
        QVERIFY(controller().computer().reflexion);
        QVERIFY(controller().computer().reflexion_ce_tour);
        click(26); // put back: no second pondering in this turn
        QVERIFY(!controller().searching());
        QCOMPARE(controller().input().piece_prise, 0);
    }

    void newGameDuringThinkingWaitsForTheSearch() {
        MainWindow& w = start_2d();
        ponder_until_the_human_acts();
        w.action("Rflexionsurtempsadverse1")->trigger();
        when([&] { return controller().pondering(); },
             [&] {
                 w.action("Nouveau2")->trigger();
                 find_child<NewGamePanel>(w, "Nouvelle_partie")
                     ->start_button(NewGamePanel::ENTRAINEMENT)
                     ->click();
             });
        click(22);
        click(18);
        QTRY_COMPARE(int(game().num_demi_coup), 0);
        QVERIFY(!controller().searching());
        QCOMPARE(game().damier_affiche, start_position());
        QCOMPARE(move_list()->count(), 0);
        // The computer plays on in the new game as before.
        w.action("Rflexionsurtempsadverse1")->trigger();
        w.action("Niveau01")->trigger();
        click(22);
        click(18);
        wait_for_ply(2);
        QCOMPARE(controller().last_search().depth, 3);
    }

    void beginnerHandicapPlaysTheSecondRootMove() {
        MainWindow& w = start_2d();
        w.action("Dbutant1")->trigger();
        open_position("W:Wa3,c3,e1:Bb8,d8,f8,h8,c7");
        click(21); // a3-b4
        wait_for_ply(2);
        QVERIFY(find_child<QLabel>(w, "Zut")->isVisible());
        QCOMPARE(controller().computer().coup_choisi, 1);

        // A single legal move is played without a search: no handicap either.
        open_position("W:We3,a1:Bb8,d8,g5", "forced.dam");
        click(23);
        click(19); // e3-f4, and g5xe3 is all Black can do
        wait_for_ply(2);
        QCOMPARE(game().historique[2].from, Square{16});
        QCOMPARE(game().historique[2].to, Square{23});
        QVERIFY(!find_child<QLabel>(w, "Zut")->isVisible());

        // Level material: no handicap.
        open_position("W:Wa3,c3,e1,g1:Bb8,d8,f8,h8", "level.dam");
        click(21);
        wait_for_ply(2);
        QVERIFY(!find_child<QLabel>(w, "Zut")->isVisible());
    }

    void computerOffersADrawInADeadEnding() {
        MainWindow& w = start_2d();
        // 22 plies of two kings going to and fro, then the human moves.
        {
            EngineState work;
            work.allocate_move_lists();
            const ManualTimeSource time;
            GameClocks clocks(time);
            GameState g;
            nouvelle_partie(g, clocks);
            g.damier_affiche = parse_fen("W:WKc1:BKh8").position->board;
            noter_coup(g, clocks);
            const Move shuffle[] = {{30, 26}, {4, 8}, {26, 30}, {8, 4}};
            for (int ply = 0; ply < 22; ++ply)
                QVERIFY(jouer_coup(g, work, clocks, shuffle[ply % 4]));
            g.settings = game().settings;
            QVERIFY(write_game_file(
                QDir(m_user->path()).filePath(QStringLiteral("Sauve/kings.dam")).toStdString(),
                game_file_image(g)));
        }
        QVERIFY(files().ouvrir_fichier(
            QDir(m_user->path()).filePath(QStringLiteral("Sauve/kings.dam"))));
        settle();
        QCOMPARE(int(game().num_demi_coup), 22);
        click(26); // the white king, back to c1
        click(30);
        wait_for_ply(24);
        QVERIFY(find_child<DrawOfferPanel>(w, "Match_nul")->isVisible());
        QTest::mouseClick(find_child<DrawOfferPanel>(w, "Match_nul")->ok_button(), Qt::LeftButton);
        QVERIFY(!find_child<DrawOfferPanel>(w, "Match_nul")->isVisible());
        QCOMPARE(find_child<EndOfGamePanel>(w, "fin_de_parties")->result_text(),
                 QStringLiteral("Match nul !"));
        QCOMPARE(game().dernier_resultat, Outcome::draw);
    }

    void inverserLesJoueursHandsTheMoveToTheComputer() {
        MainWindow& w = start_2d();
        w.action("Inverserlesjoueurs1")->trigger();
        wait_for_ply(1);
        QCOMPARE(game().couleur_ordinateur, WHITE);
        QCOMPARE(game().trait(), BLACK);
    }

    void computerAgainstComputerAtDebutantPlaysToTheEnd() {
        AppConfig c = config();
        c.animations = false;
        MainWindow& w = start_2d(c);
        w.action("Ordinateurcontreordinateur1")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(find_child<EndOfGamePanel>(w, "fin_de_parties")->isVisible(),
                                 240000);
        QVERIFY(game().num_demi_coup > 20);
        QVERIFY(game().dernier_resultat != Outcome::none);
        QVERIFY(!w.action("Ordinateurcontreordinateur1")->isChecked());
        const int plies = game().num_demi_coup;
        settle();
        QCOMPARE(int(game().num_demi_coup), plies);
    }

    void kingsShufflingAfterPly250IsADraw() {
        AppConfig c = config();
        c.animations = false;
        MainWindow& w = start_2d(c);
        open_position("W:WKc1:BKh8");
        w.action("Ordinateurcontreordinateur1")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(find_child<EndOfGamePanel>(w, "fin_de_parties")->isVisible(),
                                 240000);
        QCOMPARE(int(game().num_demi_coup), 251);
        QCOMPARE(find_child<EndOfGamePanel>(w, "fin_de_parties")->result_text(),
                 QStringLiteral("Match nul !"));
    }
};

QTEST_MAIN(ComputerTest)
#include "computer_test.moc"
