// The six languages in the window: the choice survives a restart, every
// caption and state caption follows a switch, no text is cut off in any
// language, and the Aide menu opens the page of the language.

#include <QAbstractButton>
#include <QCheckBox>
#include <QLibraryInfo>
#include <QRadioButton>
#include <QTabBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>

#include "tests/ui/text_fit.h"
#include "tests/ui/window_fixture.h"
#include "ui/help/about_panel.h"
#include "ui/help/help_window.h"
#include "ui/i18n/captions.h"
#include "ui/window/intro_screen.h"

using namespace selvako;
using namespace selvako::test;

namespace {

constexpr const char* ITEM_KEYS[] = {"Franais1",   "English1", "Nederlands1",
                                     "Portugues1", "Espanol1", "Italiano1"};

} // namespace

class LanguageWindowTest : public WindowFixture {
    Q_OBJECT

    void choose(int langue) {
        m_window->action(ITEM_KEYS[langue])->trigger();
        settle();
    }

  private slots:
    void init() { new_user_folder(); }

    void startScreenChoiceSurvivesARestart_data() {
        QTest::addColumn<int>("langue");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("fichier");
        QTest::newRow("Español") << int(ESPANOL) << QStringLiteral("Español")
                                 << QStringLiteral("Archivo");
        QTest::newRow("Portugues")
            << int(PORTUGUES) << QStringLiteral("Português") << QStringLiteral("Arquivo");
    }
    void startScreenChoiceSurvivesARestart() {
        QFETCH(int, langue);
        QFETCH(QString, button);
        QFETCH(QString, fichier);
        MainWindow& w = start(config());
        // The start screen names the language menu in four languages.
        QCOMPARE(w.action("Langue1")->text(), QStringLiteral("Idioma/Langue/Language/Taal"));
        QPushButton* chosen = nullptr;
        for (QPushButton* b : find_child<IntroScreen>(w, "Intro")->findChildren<QPushButton*>())
            if (b->text() == button) chosen = b;
        QVERIFY(chosen);
        QVERIFY(chosen->isEnabled());
        chosen->click();
        settle();
        QCOMPARE(int(game().settings.langue), langue);
        w.choisir_damier_2d();
        w.quitter();
        settle();

        MainWindow& next = start(config());
        QCOMPARE(int(controller().last_settings().langue), langue);
        QCOMPARE(int(game().settings.langue), langue);
        QCOMPARE(next.action("Fichier1")->text(), fichier);
        QVERIFY(next.action(ITEM_KEYS[langue])->isChecked());
    }

    void oneItemCheckedAndEveryCaptionFollows() {
        MainWindow& w = start_2d();
        for (int langue = 0; langue < LANGUAGE_COUNT; ++langue) {
            choose(langue);
            QCOMPARE(int(game().settings.langue), langue);
            int checked = 0;
            for (const char* key : ITEM_KEYS) checked += w.action(key)->isChecked() ? 1 : 0;
            QCOMPARE(checked, 1);
            QCOMPARE(w.action("Quitter1")->text(), caption("Quitter1", langue));
            QCOMPARE(w.action("Niveau081")->text(), caption("Niveau081", langue));
            QCOMPARE(button("Proposernul")->text(), caption("Proposernul", langue));
            // The panels built in code cancel in the table's own word.
            QCOMPARE(find_child<DeletePlayerPanel>(w, "Efface_j")->cancel_button()->text(),
                     caption("BitBtn18", langue));
            QCOMPARE(find_child<NewPlayerPanel>(w, "Nouveau_joueur")->cancel_button()->text(),
                     caption("BitBtn18", langue));
            QCOMPARE(button("Annul_nul")->text(), caption("BitBtn18", langue));
        }
        // Captions the table writes the same in every language, others not.
        QCOMPARE(w.action("Quitter1")->text(), QStringLiteral("Esci"));
        // The title says which board is on show; the flat one is no 3D picture.
        QCOMPARE(w.windowTitle(), QStringLiteral("Selvako, il gioco \u2013 Damiera 2D"));
        choose(NEDERLANDS);
        QCOMPARE(w.action("Quitter1")->text(), QStringLiteral("Einde"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Selvako, het spel \u2013 2D bord"));
        // Beside the game's menus the language menu's caption is short enough to fit.
        QCOMPARE(w.action("Langue1")->text(), QStringLiteral("Taal"));
        view3d().choisir_theme(3);
        QCOMPARE(w.windowTitle(), QStringLiteral("Selvako 3D, het spel \u2013 DeLuxe"));
    }

    void setUpCaptionsFollowASwitch() {
        MainWindow& w = start_2d();
        w.action("Installeruneposition1")->trigger();
        settle();
        ProblemPage* page = find_child<ProblemPage>(w);
        if (page->couleur_joue()->text() != QStringLiteral("Ordinateur joue"))
            page->couleur_joue()->click();
        settle();
        QCOMPARE(page->couleur_joue()->text(), QStringLiteral("Ordinateur joue"));
        choose(ENGLISH);
        QCOMPARE(page->couleur_joue()->text(), QStringLiteral("Computer's turn"));
        QCOMPARE(page->couleur_ordi()->text(), QStringLiteral("Computer black"));
        choose(FRANCAIS);
        QCOMPARE(page->couleur_joue()->text(), QStringLiteral("Ordinateur joue"));
    }

    void italianUpsideDown() {
        MainWindow& w = start_2d();
        w.action("Installeruneposition1")->trigger();
        settle();
        w.action("Inverserdamier1")->trigger();
        settle();
        QVERIFY(inverted());
        choose(ITALIANO);
        QCOMPARE(find_child<ProblemPage>(w)->bas_haut()->text(),
                 QStringLiteral("Bl.:Bianco:Su->Giù"));
        choose(ESPANOL);
        QCOMPARE(find_child<ProblemPage>(w)->bas_haut()->text(),
                 QStringLiteral("Bl.:Arriba->Abajo"));
    }

    void themeNamesStayInEveryLanguage() {
        // The four theme names are names: every language keeps them, while
        // the translated themes change.
        const std::pair<const char*, const char*> named[] = {{"Damier3D4", "Copacabana"},
                                                             {"Damier3D5", "Ipanema"},
                                                             {"Damier3D6", "Inferno"},
                                                             {"Damier3D8", "Salvador da Bahia"}};
        for (const auto& [key, name] : named)
            for (int langue = 0; langue < LANGUAGE_COUNT; ++langue)
                QCOMPARE(caption(key, langue), QString::fromUtf8(name));
        QCOMPARE(caption("Damier3D1", ESPANOL), QStringLiteral("Clásico"));
        QCOMPARE(caption("Damier3D7", PORTUGUES), QStringLiteral("Luxo ++"));
    }

    void startScreenAdviceAndCreditsInTheLanguage() {
        MainWindow& w = start(config());
        QStringList french;
        for (QLabel* l : find_child<IntroScreen>(w, "Intro")->findChildren<QLabel*>())
            french << l->text();
        QVERIFY(french.join(' ').contains(QStringLiteral("Paramètres")));
        QVERIFY(!french.join(' ').contains(QStringLiteral("Super VGA")));
        find_child<IntroScreen>(w, "Intro")->language_button(ENGLISH)->click();
        settle();
        QStringList english;
        for (QLabel* l : find_child<IntroScreen>(w, "Intro")->findChildren<QLabel*>())
            english << l->text();
        QVERIFY(english.join(' ').contains(QStringLiteral("'Settings', 'Displays', 'Scale'")));
        QVERIFY(english.contains(QStringLiteral("2D board")));
        QVERIFY(english.contains(QStringLiteral("Written by the Selvako team.")));
        QVERIFY(english.contains(QStringLiteral("Version 7.00")));
    }

    void noTextCutOffInAnyLanguage() {
        MainWindow& w = start_2d();
        QVERIFY(files().coller_texte("1. c3-d4 f6-e5 2. d4xf6 g7xe5 *"));
        QStringList cut;
        for (int langue = 0; langue < LANGUAGE_COUNT; ++langue) {
            choose(langue);
            for (int tab = 0; tab < find_child<QTabWidget>(w, "Liste")->count(); ++tab) {
                find_child<QTabWidget>(w, "Liste")->setCurrentIndex(tab);
                settle();
                for (const QString& c : cut_off_texts(&w))
                    cut << QString::fromLatin1(ITEM_KEYS[langue]) + QStringLiteral(": ") + c;
            }
        }
        cut.removeDuplicates();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }

    void noTextCutOffOnTheStartScreen() {
        MainWindow& w = start(config());
        QStringList cut;
        for (int langue = 0; langue < LANGUAGE_COUNT; ++langue) {
            find_child<IntroScreen>(w, "Intro")->language_button(langue)->click();
            settle();
            for (const QString& c : cut_off_texts(find_child<IntroScreen>(w, "Intro")))
                cut << QString::fromLatin1(ITEM_KEYS[langue]) + QStringLiteral(": ") + c;
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }

    void helpPagesOfTheLanguage() {
        MainWindow& w = start_2d();
        choose(ESPANOL);
        w.action("Rgles1")->trigger();
        HelpWindow* help = w.findChild<HelpWindow*>(QStringLiteral("Aide"));
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QVERIFY(help->browser()->source().toLocalFile().endsWith(QStringLiteral("rules_es.html")));
        QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("captura máxima")));
        // The rules and the guide, the rules with their eight sections.
        QCOMPARE(help->contents()->topLevelItemCount(), 2);
        QCOMPARE(help->contents()->topLevelItem(0)->childCount(), 8);
        QVERIFY(!help->back_button()->isEnabled());

        // The guide has no Spanish page: the English one.
        QTreeWidgetItem* guide = help->contents()->topLevelItem(1);
        QVERIFY(guide->data(0, Qt::UserRole).toString().endsWith(QStringLiteral("guide_en.html")));
        emit help->contents()->itemClicked(guide->child(2), 0);
        QVERIFY(help->browser()->source().toLocalFile().endsWith(QStringLiteral("guide_en.html")));
        QCOMPARE(help->browser()->textCursor().block().text(), guide->child(2)->text(0));
        QVERIFY(help->back_button()->isEnabled());
        help->back_button()->click();
        QVERIFY(help->browser()->source().toLocalFile().endsWith(QStringLiteral("rules_es.html")));
        QVERIFY(help->forward_button()->isEnabled());

        // SELVAKO_SNAPSHOT_DIR set: the picture of the help window for the documentation.
        if (const QString dir = qEnvironmentVariable("SELVAKO_SNAPSHOT_DIR"); !dir.isEmpty())
            QVERIFY(
                help->grab().save(QDir(dir).filePath(QStringLiteral("help-rules-es.png")), "PNG"));

        choose(FRANCAIS);
        w.action("Guide1")->trigger();
        QVERIFY(help->browser()->source().toLocalFile().endsWith(QStringLiteral("guide_fr.html")));
        QCOMPARE(help->windowTitle(), QStringLiteral("Documentation"));
        // Every diagram the pages show was drawn.
        const QDir pictures(QStringLiteral(SELVAKO_TEST_DATA_DIR "/help/diagrams"));
        QCOMPARE(pictures.entryList({QStringLiteral("*.png")}).size(), 7);
    }

    void missingHelpIsSaid() {
        QTemporaryDir empty;
        MainWindow& w = start_2d(config(empty.path()));
        const qsizetype before = m_errors.size();
        w.action("Guide1")->trigger();
        QCOMPARE(m_errors.size(), before + 1);
        QVERIFY(m_errors.last().startsWith(QStringLiteral("Impossible d'ouvrir ce fichier")));
        QVERIFY(!w.findChild<HelpWindow*>(QStringLiteral("Aide")));
    }

    void aboutPanelShowsTheVersionInTheLanguage() {
        MainWindow& w = start_2d();
        choose(NEDERLANDS);
        w.action("Apropos1")->trigger();
        AboutPanel* about = w.findChild<AboutPanel*>(QStringLiteral("Apropos"));
        QVERIFY(about);
        QCOMPARE(about->version_label()->text(), QStringLiteral("Versie " SELVAKO_PROJECT_VERSION));
        QVERIFY(about->credits_label()->text().contains(QStringLiteral("Selvako-team")));
        QCOMPARE(about->windowTitle(), QStringLiteral("Over"));
    }

    void qtDialogsFollowTheLanguage() {
        const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (!QFile::exists(folder + QStringLiteral("/qtbase_fr.qm")))
            QSKIP("Qt's translations are not installed (qt6-translations-l10n)");
        start_2d();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Annuler"));
        choose(ESPANOL);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Cancelar"));
        // Debian's catalogue for Portuguese is Brazil's, which the language finds.
        choose(PORTUGUES);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Cancelar"));
        choose(ITALIANO);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Annulla"));
        choose(ENGLISH);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }
};

QTEST_MAIN(LanguageWindowTest)
#include "language_window_test.moc"
