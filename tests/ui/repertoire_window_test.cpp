// The "Paramétrage" menu in the window: the repertoire editors with their
// libraries, the switch that lets the computer follow the repertoires, and
// the parameter editor with its files.

#include <QFile>

#include "engine/repertoire_line.h"
#include "files/repertoire_files.h"
#include "search/engine_tables.h"
#include "tests/ui/window_fixture.h"
#include "ui/parameters/parameter_editor.h"
#include "ui/repertoire/repertoire_editor.h"

using namespace selvako;
using namespace selvako::test;

namespace {

QByteArray file_bytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

RepertoireLines list_of(const RepertoireEditor& editor) {
    RepertoireLines out;
    for (int k = 0; k < editor.list()->count(); ++k)
        out.push_back(editor.list()->item(k)->data(Qt::UserRole).toString().toStdString());
    return out;
}

} // namespace

class RepertoireWindowTest : public WindowFixture {
    Q_OBJECT

    QString user(const char* name) const {
        return QDir(m_user->path()).filePath(QString::fromUtf8(name));
    }
    const Repertoires& engine_lists() const { return m_session->engine().tables().repertoires; }

  private slots:
    void init() { new_user_folder(); }

    void theEditorShowsTheGameAndTheLinesReadably() {
        MainWindow& w = start_hvh();
        click(parse_square("c3"));
        click(parse_square("d4"));
        QCOMPARE(game().num_demi_coup, std::uint8_t{1});
        w.action("Ouverturespourlesblancs1")->trigger();
        RepertoireEditor& editor = *find_child<RepertoireEditor>(w, "Form2");
        QVERIFY(editor.isVisible());
        QVERIFY(editor.isModal());
        QCOMPARE(editor.line_edit()->text(), QStringLiteral("22-18 "));
        QCOMPARE(editor.reading()->text(), QStringLiteral("c3-d4"));
        // The shipped white list, as the engine reads it, in its order.
        QCOMPARE(list_of(editor), engine_lists().white);
        QVERIFY(editor.list()->count() >= 60);
        const QString first = editor.list()->item(0)->text();
        const std::string raw = engine_lists().white.front();
        QVERIFY2(first.startsWith(QString::fromStdString(raw)), qPrintable(first));
        QVERIFY2(first.endsWith(QString::fromStdString(algebraic_line(repertoire_line_moves(raw)))),
                 qPrintable(first));
        if (const QString dir = qEnvironmentVariable("SELVAKO_SNAPSHOT_DIR"); !dir.isEmpty())
            QVERIFY(editor.grab().save(QDir(dir).filePath(QStringLiteral("repertoire-editor.png")),
                                       "PNG"));
        editor.BitBtn2Click();
        QVERIFY(!editor.isVisible());
    }

    void addDeleteAndTheLookupThroughTheList() {
        MainWindow& w = start_2d();
        w.action("Ouverturespourlesnoirs1")->trigger();
        RepertoireEditor& editor = *find_child<RepertoireEditor>(w, "Form3");
        // Start from an empty list.
        while (editor.list()->count() > 0) {
            editor.list()->setCurrentRow(0);
            editor.EffacerClick();
        }
        for (const char* line : {"22-18 10-14 ", "22-18  9-14 ", "22-17  9-13 "}) {
            editor.line_edit()->setText(QString::fromLatin1(line));
            editor.Valide_OuvertureClick();
        }
        QCOMPARE(editor.edited(),
                 (RepertoireLines{"22-17  9-13 ", "22-18  9-14 ", "22-18 10-14 "}));
        // Nothing selected: "Effacer" empties the edit box only.
        editor.list()->setCurrentRow(-1);
        editor.line_edit()->setText(QStringLiteral("x"));
        editor.EffacerClick();
        QCOMPARE(editor.line_edit()->text(), QString());
        QCOMPARE(editor.edited().size(), std::size_t{3});
        // A click copies the line into the edit box.
        editor.list()->setCurrentRow(1);
        editor.Liste_OuverturesClick();
        QCOMPARE(editor.line_edit()->text(), QStringLiteral("22-18  9-14 "));

        // The lookup reads the list: after 22-18 both lines agreeing answer.
        const std::vector<PlayedMove> after = {{22, 18}};
        const Candidates found = repertoire_lookup(editor.edited(), after);
        QCOMPARE(found.count, 2);
        QCOMPARE(int(found.moves[0].from), 9);
        QCOMPARE(int(found.moves[1].from), 10);
        QCOMPARE(repertoire_lookup(editor.edited(), std::vector<PlayedMove>{{22, 17}}).count, 1);

        // Cancel drops the edits: the engine's list is as it was.
        const RepertoireLines before = engine_lists().black;
        editor.BitBtn2Click();
        QCOMPARE(engine_lists().black, before);
    }

    void savingWithoutANameKeepsTheEdits() {
        MainWindow& w = start_2d();
        answer_file_dialogs([] { return QString(); });
        w.action("Ouverturespourlesblancs1")->trigger();
        RepertoireEditor& editor = *find_child<RepertoireEditor>(w, "Form2");
        editor.line_edit()->setText(QStringLiteral("23-19 "));
        editor.Valide_OuvertureClick();
        const RepertoireLines edited = editor.edited();
        editor.BitBtn1Click();
        QVERIFY(!editor.isVisible());
        // Written as the active file and followed by the engine.
        QCOMPARE(engine_lists().white, edited);
        QCOMPARE(read_repertoire(user("Ouvert_b.ouv").toStdString()), std::optional(edited));
        // Opened again, the editor shows them.
        w.action("Ouverturespourlesblancs1")->trigger();
        QCOMPARE(editor.edited(), edited);
        editor.BitBtn2Click();
    }

    void aLibrarySavedAndChosenAgainGivesTheSameLists() {
        MainWindow& w = start_2d();
        const QString marker = user("Parametres/club");
        answer_file_dialogs([marker] { return marker; });
        w.action("Ouverturespourlesnoirs1")->trigger();
        RepertoireEditor& editor = *find_child<RepertoireEditor>(w, "Form3");
        editor.line_edit()->setText(QStringLiteral("22-18 10-15 "));
        editor.Valide_OuvertureClick();
        editor.BitBtn1Click();
        const Repertoires saved = engine_lists();
        QVERIFY(QFile::exists(user("Parametres/club.ovv")));
        QCOMPARE(read_repertoire(user("Parametres/club_n.ouv").toStdString()),
                 std::optional(saved.black));
        QCOMPARE(read_repertoire(user("Parametres/club_b.ouv").toStdString()),
                 std::optional(saved.white));

        // Another library becomes active, then the saved one again.
        QVERIFY(write_repertoire(user("Parametres/other_b.ouv").toStdString(), {"21-17 "}));
        QVERIFY(write_repertoire(user("Parametres/other_n.ouv").toStdString(), {"22-18 11-15 "}));
        answer_file_dialogs([this] { return user("Parametres/other.ovv"); });
        w.action("Changerbibliothqueouvertures1")->trigger();
        QCOMPARE(engine_lists().white, RepertoireLines{"21-17 "});
        // "Paramétrage" names the library in play, in the language shown.
        const auto* active = w.findChild<QAction*>(QStringLiteral("BibliothequeActive"));
        QCOMPARE(active->text(), QStringLiteral("Bibliothèque active : other"));
        QVERIFY(parametrage().changer_bibliotheque(user("Parametres/club.ovv")));
        QCOMPARE(active->text(), QStringLiteral("Bibliothèque active : club"));
        w.action("English1")->trigger();
        QCOMPARE(active->text(), QStringLiteral("Active library: club"));
        QCOMPARE(engine_lists().white, saved.white);
        QCOMPARE(engine_lists().black, saved.black);
        QCOMPARE(read_repertoire(user("Ouvert_n.ouv").toStdString()), std::optional(saved.black));
    }

    void aLibraryWithoutItsBlackFileChangesNothing() {
        MainWindow& w = start_2d();
        QVERIFY(write_repertoire(user("Parametres/half_b.ouv").toStdString(), {"21-17 "}));
        const Repertoires before = engine_lists();
        QVERIFY(!parametrage().changer_bibliotheque(user("Parametres/half.ovv")));
        QCOMPARE(m_errors.last(), QStringLiteral("Impossible d'ouvrir ce fichier"));
        QCOMPARE(w.findChild<QAction*>(QStringLiteral("BibliothequeActive"))->text(),
                 QStringLiteral("Bibliothèque active : fichiers actifs"));
        QCOMPARE(engine_lists().white, before.white);
        QCOMPARE(engine_lists().black, before.black);
        QVERIFY(!QFile::exists(user("Ouvert_b.ouv")));
    }

    void anActiveFileThatCannotBeWrittenKeepsTheEditorOpen() {
        MainWindow& w = start_2d();
        // A folder where the active file would be written.
        QVERIFY(QDir(m_user->path()).mkdir(QStringLiteral("Ouvert_b.ouv")));
        answer_file_dialogs([] { return QString(); });
        w.action("Ouverturespourlesblancs1")->trigger();
        RepertoireEditor& editor = *find_child<RepertoireEditor>(w, "Form2");
        const RepertoireLines before = engine_lists().white;
        editor.line_edit()->setText(QStringLiteral("23-19 "));
        editor.Valide_OuvertureClick();
        editor.BitBtn1Click();
        QCOMPARE(m_errors.last(), QStringLiteral("Impossible d'ouvrir ce fichier"));
        QVERIFY(editor.isVisible());
        QCOMPARE(engine_lists().white, before);
        QVERIFY(editor.edited() != before);
        editor.BitBtn2Click();
    }

    void buildAndSaveAddsTheGameInOneStep() {
        MainWindow& w = start_hvh();
        for (const char* s : {"e3", "f4", "f6", "g5"}) click(parse_square(s));
        QCOMPARE(game().num_demi_coup, std::uint8_t{2});
        w.action("Ouverturespourlesnoirs1")->trigger();
        RepertoireEditor& editor = *find_child<RepertoireEditor>(w, "Form3");
        const std::string line = "23-19 11-16 ";
        QCOMPARE(editor.line_edit()->text(), QString::fromStdString(line));
        editor.BitBtn3Click();
        const auto& black = engine_lists().black;
        QVERIFY(std::find(black.begin(), black.end(), line) != black.end());
        const auto on_disk = read_repertoire(user("Ouvert_n.ouv").toStdString());
        QVERIFY(on_disk.has_value());
        QCOMPARE(*on_disk, black);
        QCOMPARE(editor.list()->currentItem()->data(Qt::UserRole).toString(),
                 QString::fromStdString(line));
        // Twice: the line is there once.
        editor.BitBtn3Click();
        QCOMPARE(std::count(engine_lists().black.begin(), engine_lists().black.end(), line), 1L);
        editor.BitBtn2Click();
    }

    void theComputerFollowsTheRepertoireWhileLibrariesAreActive() {
        MainWindow& w = start(config());
        w.choisir_damier_2d();
        // On from the start.
        QVERIFY(w.action("Bibliothquesactives1")->isChecked());
        QVERIFY(controller().options().repertoire);
        w.action("Niveau01")->trigger();
        w.action("Rflexionsurtempsadverse1")->trigger();
        settle();
        click(parse_square("c3"));
        click(parse_square("d4"));
        QTRY_COMPARE(game().num_demi_coup, std::uint8_t{2});
        QCOMPARE(controller().last_search().answer, SearchAnswer::repertoire);
    }

    void andSearchesOnceTheyAreNot() {
        // The fixture unchecks "Bibliothèques actives".
        MainWindow& w = start_2d();
        QVERIFY(!controller().options().repertoire);
        QVERIFY(!w.action("Bibliothquesactives1")->isChecked());
        // The black repertoire has lines after 1.c3-d4, and is not asked.
        QVERIFY(repertoire_lookup(engine_lists().black, std::vector<PlayedMove>{{22, 18}}).count >
                0);
        click(parse_square("c3"));
        click(parse_square("d4"));
        QTRY_COMPARE(game().num_demi_coup, std::uint8_t{2});
        QCOMPARE(controller().last_search().answer, SearchAnswer::searched);
    }

    void theParameterEditorRoundTrip() {
        MainWindow& w = start_2d();
        EvalParameters& params = m_session->engine().tables().eval.parameters;
        const EvalParameters before = params;
        w.action("Changerlesparamtres1")->trigger();
        ParameterEditor& editor = *find_child<ParameterEditor>(w, "Parametres_fenetre");
        QVERIFY(editor.isVisible());
        QVERIFY(editor.isModal());
        QCOMPARE(editor.field_count(), PARAMETER_FIELDS);
        // The field on square s shows entry 33 - s.
        const Square c3 = parse_square("c3");
        QCOMPARE(editor.table_field(OPENING_DEFAULT, c3)->text(),
                 QString::number(std::int8_t(before.tables[OPENING_DEFAULT][33 - c3])));
        QCOMPARE(editor.threshold_field(0)->text(), QString::number(before.t1));
        if (const QString dir = qEnvironmentVariable("SELVAKO_SNAPSHOT_DIR"); !dir.isEmpty())
            QVERIFY(editor.grab().save(QDir(dir).filePath(QStringLiteral("parameter-editor.png")),
                                       "PNG"));

        // Cancel discards what was typed.
        editor.table_field(OPENING_DEFAULT, c3)->setText(QStringLiteral("77"));
        editor.parametrecancelClick();
        QVERIFY(!editor.isVisible());
        QVERIFY(params == before);

        // 200 is stored as its byte, counts as 200 and shows as -56.
        w.action("Changerlesparamtres1")->trigger();
        editor.table_field(OPENING_DEFAULT, c3)->setText(QStringLiteral("200"));
        editor.tempo_field(FINAL)->setText(QStringLiteral("  -3xyz"));
        editor.variant_field(2, 6)->setText(QStringLiteral("abc"));
        editor.threshold_field(1)->setText(QStringLiteral("+300"));
        editor.parametreOKClick();
        QCOMPARE(int(params.tables[OPENING_DEFAULT][33 - c3]), 200);
        QCOMPARE(int(params.tempo_weights[FINAL]), -3);
        QCOMPARE(int(params.variant1_black[6]), 0);
        QCOMPARE(int(params.t2), 44);
        w.action("Changerlesparamtres1")->trigger();
        QCOMPARE(editor.table_field(OPENING_DEFAULT, c3)->text(), QStringLiteral("-56"));
        editor.parametreOKClick();
        QCOMPARE(int(params.tables[OPENING_DEFAULT][33 - c3]), 200);

        // Saved and loaded back: the same set and the same 1162 bytes.
        const QString path = user("Parametres/mine.par");
        QVERIFY(parametrage().sauver_parametres(path));
        const QByteArray saved = file_bytes(path);
        QCOMPARE(saved.size(), qsizetype(PARAMETER_FILE_SIZE));
        const EvalParameters edited = params;
        params = before;
        QVERIFY(parametrage().charger_parametres(path));
        QVERIFY(params == edited);
        QVERIFY(parametrage().sauver_parametres(path));
        QCOMPARE(file_bytes(path), saved);

        // A file that cannot be read: the message, the set unchanged.
        QVERIFY(!parametrage().charger_parametres(user("Parametres/missing.par")));
        QCOMPARE(m_errors.last(), QStringLiteral("Impossible d'ouvrir ce fichier (") +
                                      user("Parametres/missing.par") +
                                      QStringLiteral(" : fichier introuvable)"));
        QVERIFY(params == edited);
        // Nor written over a folder.
        QVERIFY(!parametrage().sauver_parametres(user("Parametres")));
        QCOMPARE(m_errors.size(), 2);
    }
};

QTEST_MAIN(RepertoireWindowTest)
#include "repertoire_window_test.moc"
