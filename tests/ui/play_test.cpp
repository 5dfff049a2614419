// Playing in the window: options, levels, clocks, the end of the game, draws
// and new games.

#include "tests/ui/window_fixture.h"

using namespace selvako;
using namespace selvako::test;

namespace {

constexpr const char* LEVEL_KEYS[] = {
    "Dbutant1",        "Niveau01",         "Niveau02",         "Niveau03",       "Niveau04",
    "Niveau05",        "Niveau06",         "Niveau07",         "Niveau081",      "N150coupsen3mn1",
    "N250coupsen5mn1", "N350coupsen10mn1", "N450coupsen30mn1", "N550coupsen1h1", "N650coupsen2h1",
    "N7longlong1",     "N8Autre1"};

} // namespace

class PlayTest : public WindowFixture {
    Q_OBJECT

    QStringList checked_levels() const {
        QStringList out;
        for (const char* key : LEVEL_KEYS)
            if (m_window->action(key)->isChecked()) out << QString::fromLatin1(key);
        return out;
    }

  private slots:
    void init() { new_user_folder(); }
    void cleanup() { m_window.reset(); }

    void optionsStartAtTheirDefaultsAndOnlyFlip() {
        MainWindow& w = start(config());
        w.choisir_damier_2d();
        settle();
        for (const char* key :
             {"Rflexionsurtempsadverse1", "Arretrflexionparclicsouris1", "Indicationdesmouvements1",
              "Dcomposerlesprises1", "Bipchaquecoup2", "Commentaires1"})
            QVERIFY2(w.action(key)->isChecked(), key);
        for (const char* key :
             {"Ordinateurcontreordinateur1", "Humaincontrehumain1", "Numroterlescase1", "Pause2"})
            QVERIFY2(!w.action(key)->isChecked(), key);
        QCOMPARE(checked_levels(), QStringList{QStringLiteral("Niveau05")});
        QVERIFY(!controller().options().humain_contre_humain);
        QCOMPARE(controller().game().couleur_ordinateur, BLACK);

        const BoardArray before = game().damier_affiche;
        w.action("Bipchaquecoup2")->trigger();
        w.action("Indicationdesmouvements1")->trigger();
        QVERIFY(!w.action("Bipchaquecoup2")->isChecked());
        QVERIFY(!w.action("Indicationdesmouvements1")->isChecked());
        QCOMPARE(game().damier_affiche, before);
    }

    void levelItemsSetTheirParameters() {
        MainWindow& w = start_2d();
        struct Row {
            const char* key;
            std::int32_t budget, alloue, minutes;
            int niveau;
        };
        const Row rows[] = {{"Dbutant1", 5, 58, 1, 0},
                            {"Niveau01", 2, 58, 1, 1},
                            {"Niveau04", 10, 600, 1, 4},
                            {"Niveau081", 1680, 1798, 30, 8},
                            {"N150coupsen3mn1", 160, 178, 3, 11},
                            {"N650coupsen2h1", 6700, 7198, 120, 16},
                            {"N7longlong1", 320000, 319998, 500, 17}};
        for (const Row& r : rows) {
            w.action(r.key)->trigger();
            const PersistentSettings& s = game().settings;
            QCOMPARE(s.budget_recherche, r.budget);
            QCOMPARE(s.temps_alloue, r.alloue);
            QCOMPARE(int(s.niveau), r.niveau);
            QCOMPARE(find_child<AutrePanel>(w, "Panel9")->field()->text(),
                     QString::number(r.minutes));
            QCOMPARE(checked_levels(), QStringList{QString::fromLatin1(r.key)});
        }
    }

    void autrePanelTakesOnlyAPositiveNumber() {
        MainWindow& w = start_2d();
        w.action("N8Autre1")->trigger();
        QVERIFY(find_child<AutrePanel>(w, "Panel9")->isVisible());
        QCOMPARE(checked_levels(), QStringList{QStringLiteral("Niveau01")});
        for (const char* refused : {"0", "-3", "sept", ""}) {
            find_child<AutrePanel>(w, "Panel9")->field()->setText(QString::fromLatin1(refused));
            QTest::mouseClick(find_child<AutrePanel>(w, "Panel9")->ok_button(), Qt::LeftButton);
            QVERIFY2(find_child<AutrePanel>(w, "Panel9")->isVisible(), refused);
            QCOMPARE(int(game().settings.niveau), 1);
        }
        find_child<AutrePanel>(w, "Panel9")->field()->setText(QStringLiteral("7"));
        QTest::mouseClick(find_child<AutrePanel>(w, "Panel9")->ok_button(), Qt::LeftButton);
        QVERIFY(!find_child<AutrePanel>(w, "Panel9")->isVisible());
        QCOMPARE(game().settings.budget_recherche, 385);
        QCOMPARE(game().settings.temps_alloue, 418);
        QCOMPARE(int(game().settings.niveau), 18);
        QCOMPARE(checked_levels(), QStringList{QStringLiteral("N8Autre1")});

        w.action("N8Autre1")->trigger();
        find_child<AutrePanel>(w, "Panel9")->field()->setText(QStringLiteral("9"));
        QTest::mouseClick(find_child<AutrePanel>(w, "Panel9")->cancel_button(), Qt::LeftButton);
        QVERIFY(!find_child<AutrePanel>(w, "Panel9")->isVisible());
        QCOMPARE(game().settings.budget_recherche, 385);
        QCOMPARE(checked_levels(), QStringList{QStringLiteral("N8Autre1")});
    }

    void clocksRunForTheSideToMovePauseAndReset() {
        MainWindow& w = start_hvh();
        m_time.advance_seconds(65);
        controller().ajouter_temps();
        QCOMPARE(find_child<SidePanel>(w, "Panel7")->clock_text(), QStringLiteral("1:05"));
        QCOMPARE(find_child<SidePanel>(w, "Panel6")->clock_text(), QStringLiteral("0:00"));
        m_time.advance_ms(400);
        click(21); // a3-b4
        QCOMPARE(controller().clocks().temps_blanc(), 65);
        QCOMPARE(game().historique[1].temps_blanc, 65);

        m_time.advance_seconds(9);
        controller().ajouter_temps();
        QCOMPARE(find_child<SidePanel>(w, "Panel6")->clock_text(), QStringLiteral("0:09"));
        QCOMPARE(find_child<SidePanel>(w, "Panel7")->clock_text(), QStringLiteral("1:05"));

        w.action("Pause2")->trigger();
        QVERIFY(w.action("Pause2")->isChecked());
        m_time.advance_seconds(30);
        controller().ajouter_temps();
        QCOMPARE(find_child<SidePanel>(w, "Panel6")->clock_text(), QStringLiteral("0:09"));
        click(9); // a click on the board starts the clocks again, without the 9 s
        QVERIFY(!w.action("Pause2")->isChecked());
        m_time.advance_seconds(2);
        controller().ajouter_temps();
        QCOMPARE(find_child<SidePanel>(w, "Panel6")->clock_text(), QStringLiteral("0:02"));

        w.action("Horlogeszro1")->trigger();
        QCOMPARE(find_child<SidePanel>(w, "Panel7")->clock_text(), QStringLiteral("0:00"));
        QCOMPARE(find_child<SidePanel>(w, "Panel6")->clock_text(), QStringLiteral("0:00"));
        QCOMPARE(controller().clocks().temps_blanc(), 0);
    }

    void humanWinAgainstTheComputerWithItsSound() {
        MainWindow& w = start_2d();
        open_position("W:Wc3:Bd4");
        click(22); // c3xe5 leaves Black without a piece
        QVERIFY(find_child<EndOfGamePanel>(w, "fin_de_parties")->isVisible());
        QCOMPARE(find_child<EndOfGamePanel>(w, "fin_de_parties")->result_text(),
                 QStringLiteral("Bravo, vous avez gagné"));
        QCOMPARE(m_sound.played, QStringList{QStringLiteral("gagne.wav")});
        QCOMPARE(game().dernier_resultat, Outcome::white_won);
        QCOMPARE(game().ordinateur_au_trait, 0);

        w.action("Commentaires1")->trigger(); // "Autres": no sound at the end
        open_position("W:Wc3:Bd4", "again.dam");
        click(22);
        QVERIFY(find_child<EndOfGamePanel>(w, "fin_de_parties")->isVisible());
        QCOMPARE(m_sound.played.size(), 1);
    }

    void drawOfferRefusedUntilTheEnding() {
        MainWindow& w = start_2d();
        QTest::mouseClick(button("Proposernul"), Qt::LeftButton);
        QVERIFY(button("Nulrefus")->isVisible());
        QVERIFY(!find_child<EndOfGamePanel>(w, "fin_de_parties")->isVisible());
        click(21); // any board click hides the refusal
        QVERIFY(!button("Nulrefus")->isVisible());

        // In a dead ending the computer, a man down after its answer, accepts.
        open_position("W:Wc3,Ke1:Bf6");
        click(22);
        click(17);
        QTRY_COMPARE(int(game().num_demi_coup), 2);
        QVERIFY(controller().computer().dernier_score < 0);
        QTest::mouseClick(button("Proposernul"), Qt::LeftButton);
        QVERIFY(!button("Nulrefus")->isVisible());
        QVERIFY(find_child<EndOfGamePanel>(w, "fin_de_parties")->isVisible());
        QCOMPARE(find_child<EndOfGamePanel>(w, "fin_de_parties")->result_text(),
                 QStringLiteral("Match nul !"));
        QCOMPARE(game().dernier_resultat, Outcome::draw);
    }

    void nouveauStartsATrainingGameWithTheComputerBlack() {
        MainWindow& w = start_hvh();
        click(21);
        m_time.advance_seconds(5);
        controller().ajouter_temps();
        w.action("Arretrflexionparclicsouris1")->trigger();
        w.action("Nouveau2")->trigger();
        find_child<NewGamePanel>(w, "Nouvelle_partie")
            ->start_button(NewGamePanel::ENTRAINEMENT)
            ->click();
        settle();
        QVERIFY(!w.action("Humaincontrehumain1")->isChecked());
        QVERIFY(!w.action("Ordinateurcontreordinateur1")->isChecked());
        QVERIFY(w.action("Arretrflexionparclicsouris1")->isChecked());
        QVERIFY(!controller().options().humain_contre_humain);
        QCOMPARE(game().couleur_ordinateur, BLACK);
        QCOMPARE(game().mode_match, MatchMode::none);
        QCOMPARE(find_child<SidePanel>(w, "Panel6")->name(), QStringLiteral("Selvako : "));
        QCOMPARE(find_child<SidePanel>(w, "Panel7")->name(), QStringLiteral("Mister X : "));
        QCOMPARE(find_child<SidePanel>(w, "Panel6")->clock_text(), QStringLiteral("0:00"));
        QCOMPARE(move_list()->count(), 0);
        QCOMPARE(game().damier_affiche, start_position());
    }
};

QTEST_MAIN(PlayTest)
#include "play_test.moc"
