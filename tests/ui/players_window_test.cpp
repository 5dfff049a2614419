// A newcomer's path through the window: a player created from the Joueurs
// menu, a rated match started from the new-game panel, resigned, and both
// ratings changed on screen and in "points.dat".

#include <QButtonGroup>
#include <QFile>
#include <QMessageBox>

#include "engine/move_generation.h"
#include "tests/ui/window_fixture.h"

using namespace selvako;
using namespace selvako::test;

namespace {

QString text_of(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.readAll());
}

} // namespace

class PlayersWindowTest : public WindowFixture {
    Q_OBJECT

    // A new player, Anne (1600), plays a rated match with White.
    void start_match(MainWindow& w) {
        w.action("Match21")->trigger();
        find_child<NewPlayerPanel>(w, "Nouveau_joueur")->field()->setText(QStringLiteral("Anne"));
        find_child<NewPlayerPanel>(w, "Nouveau_joueur")->ok_button()->click();
        w.action("Nouveau2")->trigger();
        NewGamePanel* panel = find_child<NewGamePanel>(w, "Nouvelle_partie");
        panel->pages()->setCurrentIndex(NewGamePanel::MATCH);
        panel->joueur1()->setText(QStringLiteral("Anne"));
        panel->start_button(NewGamePanel::MATCH)->click();
        settle();
        QCOMPARE(game().mode_match, MatchMode::playing);
    }

    // The side to move plays its first legal move by clicks on its squares.
    void play_first_legal_move() {
        EngineState work;
        work.allocate_move_lists();
        work.set_position(game().damier_affiche);
        QVERIFY(generate_root_moves(work, game().trait()) > 0);
        const Move move = work.list(1)[0];
        const int before = game().num_demi_coup;
        click(move.from);
        if (game().num_demi_coup == before) click(move.to);
        // Without animations the computer may have answered already.
        QVERIFY(game().num_demi_coup > before);
    }

  private slots:
    void init() { new_user_folder(); }

    void newPlayerPlaysARatedMatchToItsEnd() {
        MainWindow& w = start_2d();
        w.action("Match21")->trigger();
        NewPlayerPanel* nouveau = find_child<NewPlayerPanel>(w, "Nouveau_joueur");
        QVERIFY(nouveau->isVisible());
        // The field takes no more than a game record holds.
        QTest::keyClicks(nouveau->field(), QStringLiteral("Une joueuse au nom bien long"));
        QCOMPARE(nouveau->field()->text().size(), 19);
        nouveau->field()->setText(QStringLiteral("Anne"));
        nouveau->ratings()->button(1700)->click();
        nouveau->ok_button()->click();
        QVERIFY(!nouveau->isVisible());
        const QString dir = m_user->path();
        QCOMPARE(text_of(dir + QStringLiteral("/joueurs.dat")), QStringLiteral("Selvako\nAnne\n"));
        QCOMPARE(text_of(dir + QStringLiteral("/points.dat")), QStringLiteral("2050\n1700\n"));

        w.action("Nouveau2")->trigger();
        NewGamePanel* panel = find_child<NewGamePanel>(w, "Nouvelle_partie");
        QVERIFY(panel->isVisible());
        panel->pages()->setCurrentIndex(NewGamePanel::MATCH);
        QCOMPARE(panel->match_list()->count(), 2);
        // Line 0 is the computer: choosing it is no match, and a name that is
        // not in the list starts nothing.
        panel->joueur1()->setText(QStringLiteral("Personne"));
        panel->start_button(NewGamePanel::MATCH)->click();
        QVERIFY(panel->isVisible());
        QTest::mouseClick(
            panel->match_list()->viewport(), Qt::LeftButton, {},
            panel->match_list()->visualItemRect(panel->match_list()->item(1)).center());
        QCOMPARE(panel->joueur1()->text(), QStringLiteral("Anne"));
        panel->start_button(NewGamePanel::MATCH)->click();
        settle();
        QVERIFY(!panel->isVisible());
        QCOMPARE(game().mode_match, MatchMode::playing);
        QCOMPARE(find_child<SidePanel>(w, "Panel7")->name(), QStringLiteral("Anne : "));
        // During the match the Joueurs menu is locked and resigning is offered.
        QVERIFY(!w.action("Joueurs1")->isEnabled());
        QVERIFY(button("Abandon1")->isVisible());

        // Resigning asks first; cancelling leaves the match as it was.
        const auto answer = [&](QMessageBox::ButtonRole role) {
            button("Abandon1")->click();
            auto* question = w.findChild<QMessageBox*>(QStringLiteral("ResignQuestion"));
            QVERIFY(question && question->isVisible());
            for (QAbstractButton* b : question->buttons())
                if (question->buttonRole(b) == role) b->click();
            settle();
        };
        answer(QMessageBox::NoRole);
        QVERIFY(!find_child<EndOfGamePanel>(w, "fin_de_parties")->isVisible());
        QCOMPARE(game().mode_match, MatchMode::playing);
        answer(QMessageBox::YesRole);
        QVERIFY(find_child<EndOfGamePanel>(w, "fin_de_parties")->isVisible());
        const Ratings after = new_ratings({1700, 2050}, Outcome::black_won);
        QCOMPARE(find_child<EndOfGamePanel>(w, "fin_de_parties")->resultat_blanc(),
                 QString::fromStdString(rating_change_line("Anne", 1700, after.blanc)));
        QCOMPARE(text_of(dir + QStringLiteral("/points.dat")),
                 QStringLiteral("%1\n%2\n").arg(after.noir).arg(after.blanc));
        QVERIFY(w.action("Joueurs1")->isEnabled());
    }

    // A match lost on time is over: the window closes like after any other game.
    void matchLostOnTimeLeavesTheWindowFreeToClose() {
        MainWindow& w = start_2d();
        w.action("N150coupsen3mn1")->trigger();
        start_match(w);
        // Rated 1600, Anne has twice the three minutes, and thinks longer.
        m_time.advance_seconds(400);
        controller().ajouter_temps();
        click(22);
        click(18);
        settle();
        QVERIFY(find_child<EndOfGamePanel>(w, "fin_de_parties")->isVisible());
        QCOMPARE(game().mode_match, MatchMode::scored);
        QVERIFY(w.close());
        QVERIFY(!w.isVisible());
    }

    // Every item a rated match locks stays locked from its first ply to its
    // last, the level from ply 11 on; all of them open again once it is scored.
    void ratedMatchLocksEveryItemItShould() {
        // The computer's moves are played at once, not walked step by step.
        AppConfig c = config();
        c.animations = false;
        MainWindow& w = start_2d(c);
        start_match(w);
        const char* locked[] = {"Fichier1",
                                "Joueurs1",
                                "Analyse2",
                                "Apprentissage1",
                                "Ouvertures1",
                                "Rflexionsurtempsadverse1",
                                "Horlogeszro1",
                                "Pause1",
                                "Arretrflexionparclicsouris1",
                                "Reprendrecoups1",
                                "Avancercoups1",
                                "Reveniraudbut1",
                                "Allerlafin1",
                                "Installeruneposition1"};
        const int problem_tab =
            find_child<QTabWidget>(w, "Liste")->indexOf(find_child<ProblemPage>(w));
        int guard = 0;
        while (!find_child<EndOfGamePanel>(w, "fin_de_parties")->isVisible() &&
               game().num_demi_coup < 24 && ++guard < 40) {
            const int ply = game().num_demi_coup;
            for (const char* key : locked) QVERIFY2(!w.action(key)->isEnabled(), key);
            for (int k = 0; k < 4; ++k) QVERIFY(!navigation_button(k)->isEnabled());
            QVERIFY(!find_child<QTabWidget>(w, "Liste")->isTabEnabled(problem_tab));
            QCOMPARE(w.action("Niveau1")->isEnabled(), ply <= 10);
            QVERIFY(button("Proposernul")->isEnabled());
            QVERIFY(button("Abandon1")->isVisible());
            play_first_legal_move();
            QTRY_VERIFY(game().num_demi_coup == ply + 2 ||
                        find_child<EndOfGamePanel>(w, "fin_de_parties")->isVisible());
        }
        QVERIFY(game().num_demi_coup > 10);
        if (!find_child<EndOfGamePanel>(w, "fin_de_parties")->isVisible()) {
            // Resigning a rated match is confirmed first.
            button("Abandon1")->click();
            auto* question = w.findChild<QMessageBox*>(QStringLiteral("ResignQuestion"));
            QVERIFY(question && question->isVisible());
            for (QAbstractButton* b : question->buttons())
                if (question->buttonRole(b) == QMessageBox::YesRole) b->click();
        }
        settle();
        QVERIFY(!controller().match_in_progress());
        for (const char* key : locked) QVERIFY2(w.action(key)->isEnabled(), key);
        QVERIFY(w.action("Niveau1")->isEnabled());
        QVERIFY(find_child<QTabWidget>(w, "Liste")->isTabEnabled(problem_tab));
        QVERIFY(!button("Abandon1")->isVisible());
    }

    void deletedPlayerLeavesBothFilesAndTheComputerStays() {
        MainWindow& w = start_2d();
        const QString dir = m_user->path();
        for (const char* name : {"Anne", "Bob"}) {
            w.action("Match21")->trigger();
            find_child<NewPlayerPanel>(w, "Nouveau_joueur")
                ->field()
                ->setText(QString::fromLatin1(name));
            find_child<NewPlayerPanel>(w, "Nouveau_joueur")->ok_button()->click();
        }
        w.action("Effacerunjoueur1")->trigger();
        DeletePlayerPanel* efface = find_child<DeletePlayerPanel>(w, "Efface_j");
        efface->list()->setCurrentRow(0);
        efface->ok_button()->click();
        QVERIFY(efface->isVisible());
        efface->list()->setCurrentRow(1);
        efface->ok_button()->click();
        QVERIFY(!efface->isVisible());
        QCOMPARE(text_of(dir + QStringLiteral("/joueurs.dat")), QStringLiteral("Selvako\nBob\n"));
        QCOMPARE(text_of(dir + QStringLiteral("/points.dat")), QStringLiteral("2050\n1600\n"));
    }
};

QTEST_MAIN(PlayersWindowTest)
#include "players_window_test.moc"
