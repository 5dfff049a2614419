// Lessons in the window: the shipped collection opened from the user's
// "Problemes", "Suivant ->" and "Revoir coup" beside the move list, the text
// shown in its own window, and a lesson whose text is missing.

#include <QFile>
#include <QPlainTextEdit>

#include "game/lessons.h"
#include "tests/ui/window_fixture.h"
#include "ui/lessons/lesson_text_window.h"

using namespace selvako;
using namespace selvako::test;

class LessonsWindowTest : public WindowFixture {
    Q_OBJECT

    QString lesson(const char* name) const {
        return QDir(m_user->path()).filePath(QStringLiteral("Problemes/") + QLatin1String(name));
    }
    bool buttons_shown() const {
        return button("Panel13")->isVisible() && button("Panel14")->isVisible();
    }

  private slots:
    void init() { new_user_folder(); }

    void shippedLessonsStepOneAfterAnother() {
        MainWindow& w = start_hvh();
        QVERIFY(!buttons_shown());
        QCOMPARE(button("Panel13")->text(), QStringLiteral("Suivant ->"));
        QCOMPARE(w.action("Problmes1")->text(), QStringLiteral("Leçons, exercices et problèmes"));
        QVERIFY(lessons().ouvrir_lecon(lesson("lecon04_prise_majoritaire.dam")));
        settle();
        QVERIFY(buttons_shown());
        LessonTextWindow* text = find_child<LessonTextWindow>(w, "LessonText");
        QVERIFY(text->isVisible());
        QVERIFY(text->text().startsWith(QStringLiteral("Leçon 4 : la prise majoritaire")));
        QVERIFY(text->text().contains(QStringLiteral("Lesson 4: the majority capture")));
        QVERIFY(text->editor_button()->isEnabled());
        QVERIFY(text->path().endsWith(QStringLiteral("lecon04_prise_majoritaire.damt")));
        // Opened at its start with the whole record in the list.
        QCOMPARE(game().num_demi_coup, std::uint8_t{0});
        QCOMPARE(lines(),
                 (QStringList{QStringLiteral(" 1.g3xg7 h8xf6"), QStringLiteral(" 2.c3xa5")}));

        button("Panel13")->click();
        settle();
        QVERIFY(text->text().startsWith(QStringLiteral("Leçon 5")));
        QVERIFY(m_errors.isEmpty());
        // A lesson names no players: each side's own name, in the language shown.
        auto* blancs = w.findChild<SidePanel*>(QStringLiteral("Panel7"));
        QCOMPARE(blancs->name(), QStringLiteral("Blancs : "));
        w.action("English1")->trigger();
        settle();
        QCOMPARE(blancs->name(), QStringLiteral("White : "));
        QCOMPARE(w.findChild<SidePanel*>(QStringLiteral("Panel6"))->name(),
                 QStringLiteral("Black : "));
        w.action("Franais1")->trigger();
        settle();

        // A move tried on the board, then "Revoir coup" puts the lesson back.
        click(parse_square("h2"));
        click(parse_square("d2"));
        QCOMPARE(game().num_demi_coup, std::uint8_t{1});
        button("Panel14")->click();
        settle();
        QCOMPARE(game().num_demi_coup, std::uint8_t{0});
        QCOMPARE(game().damier_affiche[parse_square("h2")], WHITE_MAN);
        QVERIFY(text->text().startsWith(QStringLiteral("Leçon 5")));
    }

    void lessonWithoutTextStillLoads() {
        MainWindow& w = start_hvh();
        const QString copy = lesson("zz_sans_texte.dam");
        QVERIFY(QFile::copy(lesson("lecon01_deplacement.dam"), copy));
        QVERIFY(lessons().ouvrir_lecon(copy));
        settle();
        QVERIFY(buttons_shown());
        QCOMPARE(find_child<LessonTextWindow>(w, "LessonText")->text(),
                 QStringLiteral("Impossible d'ouvrir ce fichier"));
        QVERIFY(!find_child<LessonTextWindow>(w, "LessonText")->editor_button()->isEnabled());
        QCOMPARE(lines().size(), 2);

        // The last lesson of the folder is followed by the first.
        lessons().lecon_suivante();
        settle();
        QVERIFY(find_child<LessonTextWindow>(w, "LessonText")
                    ->path()
                    .endsWith(QStringLiteral("lecon01_deplacement.damt")));

        // A file that is no game: the message, and the lesson on show stays.
        QFile foreign(lesson("aa.dam"));
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.write("not a game");
        foreign.close();
        const BoardArray before = game().damier_affiche;
        QVERIFY(!lessons().ouvrir_lecon(lesson("aa.dam")));
        QCOMPARE(m_errors,
                 QStringList{QStringLiteral("Impossible d'ouvrir ce fichier (") + lesson("aa.dam") +
                             QStringLiteral(" : 10 octets au lieu de 22442)")});
        QVERIFY(game().damier_affiche == before);

        // A new game is no lesson: the buttons and the text go.
        emit find_child<NewGamePanel>(w, "Nouvelle_partie")
            ->training_requested(QStringLiteral("Mister X"), BLACK);
        settle();
        QVERIFY(!buttons_shown());
        QVERIFY(!find_child<LessonTextWindow>(w, "LessonText")->isVisible());
        QCOMPARE(game().damier_affiche, start_position());
    }
};

QTEST_MAIN(LessonsWindowTest)
#include "lessons_window_test.moc"
