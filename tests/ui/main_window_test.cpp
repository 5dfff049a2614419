#include <QLibraryInfo>

#include <fstream>

#include <sys/stat.h>

#include "tests/ui/window_fixture.h"

using namespace selvako;
using namespace selvako::test;

class MainWindowTest : public WindowFixture {
    Q_OBJECT

    // Where a square is drawn on the board widget.
    QRect square_rect(Square s) const {
        const PixelPoint at = square_origin(s, inverted());
        return board()
            ->logical_transform()
            .mapRect(QRectF(at.x, at.y, SQUARE_PIXELS, SQUARE_PIXELS))
            .toAlignedRect();
    }

  private slots:
    void init() { new_user_folder(); }
    void cleanup() { m_window.reset(); }

    void firstRunShowsTheStartScreenSilently() {
        MainWindow& w = start(config());
        QVERIFY(find_child<IntroScreen>(w, "Intro")->isVisible());
        QVERIFY(m_errors.isEmpty());
        for (int langue = 0; langue < 6; ++langue)
            QVERIFY(find_child<IntroScreen>(w, "Intro")->language_button(langue)->isEnabled());
        QVERIFY(!w.action("Fichier1")->isVisible());
        QTest::mouseClick(find_child<IntroScreen>(w, "Intro")->board_2d_button(), Qt::LeftButton);
        settle();
        QVERIFY(!find_child<IntroScreen>(w, "Intro")->isVisible());
        QVERIFY(w.action("Fichier1")->isVisible());
        QCOMPARE(w.action("Fichier1")->text(), QStringLiteral("Fichier"));
        QVERIFY(w.action("Dcomposerlesprises1")->isChecked());
        QVERIFY(!w.action("Numroterlescase1")->isChecked());
        QCOMPARE(controller().game().damier_affiche, start_position());
        QCOMPARE(find_child<SidePanel>(w, "Panel6")->count_text(), QStringLiteral(" 12"));
        QCOMPARE(find_child<SidePanel>(w, "Panel7")->name(), QStringLiteral("Inconnu : "));
    }

    void clicksMapInBothOrientationsAndAtAnySize() {
        MainWindow& w = start_hvh();
        click(21); // a3 has one move: played at once
        QCOMPARE(lines(), QStringList{QStringLiteral(" 1.a3-b4 ")});

        w.action("Inverserdamier1")->trigger();
        QVERIFY(inverted());
        QCOMPARE(w.action("Inverserdamier1")->shortcut(), QKeySequence(Qt::Key_F3));
        click(9); // b6 drawn where the normal view shows g3
        QCOMPARE(controller().input().piece_prise, BLACK_MAN);
        QCOMPARE(controller().input().frames[9], FRAME_RED);

        w.resize(w.width() * 2, w.height() * 2);
        settle();
        QVERIFY(board()->logical_transform().m11() > 1.5);
        click(14);
        QCOMPARE(lines(), QStringList{QStringLiteral(" 1.a3-b4 b6-c5")});
        QCOMPARE(game().trait(), WHITE);
    }

    void captureIsEnteredAndShownStepByStep() {
        start_hvh();
        const QString path = QDir(m_user->path()).filePath(QStringLiteral("Sauve/parting.dam"));
        write_position(path, "W:Wc1:Bd2,f4,f6,d4,b6");
        QVERIFY(files().ouvrir_fichier(path));
        click(30);
        QVERIFY(capture_notice_visible());
        QCOMPARE(controller().input().frames[16], FRAME_BLUE);
        QCOMPARE(controller().input().frames[5], FRAME_MAGENTA);
        click(16);
        QCOMPARE(game().num_demi_coup, 1);
        QCOMPARE(lines(), QStringList{QStringLiteral(" 1.c1xe7 ")});
        QVERIFY(!capture_notice_visible());
        QVERIFY(board()->animating());
        click(9); // the board takes no move while the capture is shown
        QCOMPARE(controller().input().piece_prise, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!board()->animating(), 3000);
        click(9);
        QCOMPARE(controller().input().piece_prise, BLACK_MAN);
    }

    void gameEndsWhenTheSideToMoveIsStuck() {
        MainWindow& w = start_hvh();
        const QString path = QDir(m_user->path()).filePath(QStringLiteral("Sauve/last.dam"));
        write_position(path, "W:Wc3:Bd4");
        QVERIFY(files().ouvrir_fichier(path));
        click(22);
        QVERIFY(find_child<EndOfGamePanel>(w, "fin_de_parties")->isVisible());
        QCOMPARE(find_child<EndOfGamePanel>(w, "fin_de_parties")->result_text(),
                 QStringLiteral("Gain des blancs"));
        // The whole sentence fits, and the last move stays in sight.
        auto* label = find_child<EndOfGamePanel>(w, "fin_de_parties")
                          ->findChild<QLabel*>(QStringLiteral("qui_gagne"));
        QVERIFY(label->width() >= label->sizeHint().width());
        QVERIFY(find_child<EndOfGamePanel>(w, "fin_de_parties")
                    ->geometry()
                    .contains(label->geometry().translated(
                        find_child<EndOfGamePanel>(w, "fin_de_parties")->geometry().topLeft())));
        QVERIFY(!find_child<EndOfGamePanel>(w, "fin_de_parties")
                     ->geometry()
                     .intersects(square_rect(15)));
        QCOMPARE(find_child<SidePanel>(w, "Panel6")->turn_text(),
                 QStringLiteral("Partie terminée"));
        QVERIFY(!find_child<SidePanel>(w, "Panel7")->to_move() &&
                !find_child<SidePanel>(w, "Panel6")->to_move());
        QTest::mouseClick(find_child<EndOfGamePanel>(w, "fin_de_parties")->ok_button(),
                          Qt::LeftButton);
        QVERIFY(!find_child<EndOfGamePanel>(w, "fin_de_parties")->isVisible());
        // Still ended: the board takes no move, the clocks stand.
        m_time.advance_seconds(20);
        controller().ajouter_temps();
        QCOMPARE(find_child<SidePanel>(w, "Panel6")->clock_text(), QStringLiteral("0:00"));
    }

    void longResultFitsItsPanel() {
        MainWindow& w = start_2d();
        EndOfGamePanel* panel = find_child<EndOfGamePanel>(w, "fin_de_parties");
        const QString text = QStringLiteral("Bravo, vous avez gagné ; Désolé, Selvako a gagné");
        panel->keep_clear(square_rect(18));
        panel->show_result(text, {}, {});
        auto* label = panel->findChild<QLabel*>(QStringLiteral("qui_gagne"));
        QCOMPARE(label->text(), text);
        QVERIFY(label->width() >= label->sizeHint().width());
        QVERIFY(!panel->geometry().intersects(square_rect(18)));
    }

    void turnIndicatorShowsWhoIsToMove() {
        MainWindow& w = start_2d();
        QVERIFY(find_child<SidePanel>(w, "Panel7")->to_move());
        QCOMPARE(find_child<SidePanel>(w, "Panel7")->turn_text(),
                 QStringLiteral("À vous de jouer"));
        QVERIFY(!find_child<SidePanel>(w, "Panel6")->to_move());
        click(21);
        QCOMPARE(game().num_demi_coup, 2);
        // Back to the computer's colour: the human plays it, the computer waits.
        w.action("Reprendrecoups1")->trigger();
        settle();
        QVERIFY(find_child<SidePanel>(w, "Panel6")->to_move());
        QCOMPARE(find_child<SidePanel>(w, "Panel6")->turn_text(),
                 QStringLiteral("À vous ; Selvako attend"));
        QVERIFY(find_child<SidePanel>(w, "Panel7")->turn_text().isEmpty());
    }

    void keyboardWalksThroughTheGame() {
        MainWindow& w = start_hvh();
        click(22);
        click(18);
        click(11);
        click(15);
        click(18); // d4xf6, forced
        QCOMPARE(game().num_demi_coup, 3);
        QTest::keyClick(&w, Qt::Key_Left);
        QCOMPARE(game().num_demi_coup, 2);
        QTest::keyClick(&w, Qt::Key_Home);
        QCOMPARE(game().num_demi_coup, 0);
        QCOMPARE(move_list()->currentRow(), -1);

        click(22); // c3 picked up
        QCOMPARE(controller().input().piece_prise, WHITE_MAN);
        QTest::keyClick(&w, Qt::Key_Escape);
        settle();
        QCOMPARE(controller().input().piece_prise, 0);
        for (int s = 1; s <= 32; ++s) QCOMPARE(controller().input().frames[s], FRAME_NONE);

        QTest::keyClick(&w, Qt::Key_End);
        QCOMPARE(game().num_demi_coup, 3);
        QCOMPARE(move_list()->currentRow(), 1);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier); // one ply between humans
        QCOMPARE(game().num_demi_coup, 2);
        QTest::keyClick(&w, Qt::Key_Right);
        QCOMPARE(game().num_demi_coup, 3);
    }

    void autreSaysWhatItAccepts() {
        MainWindow& w = start_2d();
        w.action("N8Autre1")->trigger();
        AutrePanel* panel = find_child<AutrePanel>(w, "Panel9");
        QVERIFY(panel->isVisible());
        for (const char* refused : {"0", "-5", "abc"}) {
            panel->field()->setText(QString::fromLatin1(refused));
            QTest::mouseClick(panel->ok_button(), Qt::LeftButton);
            QVERIFY2(panel->isVisible(), refused);
            QVERIFY2(panel->refusal().contains(QStringLiteral("de 1 à")), refused);
        }
        QCOMPARE(int(game().settings.niveau), 1);
        panel->field()->setText(QStringLiteral("7"));
        QTest::mouseClick(panel->ok_button(), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        QCOMPARE(int(game().settings.niveau), 18);
    }

    void qtDialogsSpeakFrench() {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                           QStringLiteral("/qtbase_fr.qm")))
            QSKIP("Qt's translations are not installed (qt6-translations-l10n)");
        start_2d();
        QVERIFY(QCoreApplication::translate("QFileDialog", "&Open") != QStringLiteral("&Open"));
    }

    void navigationButtonsAndDoubleClick() {
        MainWindow& w = start_hvh();
        click(22);
        click(18);
        click(11);
        click(15);
        click(18); // d4xf6, forced
        QCOMPARE(game().num_demi_coup, 3);
        QTest::mouseClick(navigation_button(1), Qt::LeftButton);
        QCOMPARE(game().num_demi_coup, 2);
        QCOMPARE(game().trait(), WHITE);
        QTest::mouseClick(navigation_button(0), Qt::LeftButton);
        QCOMPARE(game().num_demi_coup, 0);
        QCOMPARE(game().damier_affiche, start_position());
        QTest::mouseClick(navigation_button(3), Qt::LeftButton);
        QCOMPARE(game().num_demi_coup, 3);
        QCOMPARE(game().trait(), BLACK);
        w.action("Reprendrecoups1")->trigger();
        w.action("Avancercoups1")->trigger();
        QCOMPARE(game().num_demi_coup, 3);

        QListWidget* list = move_list();
        list->setCurrentRow(0);
        const QRect line = list->visualItemRect(list->item(0));
        QSignalSpy spy(list, &QListWidget::itemDoubleClicked);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line.center());
        settle();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(game().num_demi_coup, 1);
        QCOMPARE(game().longueur_partie, 3);
    }

    void sevenPliesSavedAndReopened() {
        MainWindow& w = start_hvh();
        const Square plies[][2] = {{22, 18}, {11, 15}, {18, 11}, {8, 15},
                                   {21, 17}, {12, 16}, {17, 13}};
        for (const auto& p : plies) {
            click(p[0]);
            if (controller().input().piece_prise != 0) click(p[1]);
        }
        QCOMPARE(game().num_demi_coup, 7);
        const QString path = QDir(m_user->path()).filePath(QStringLiteral("Sauve/seven.dam"));
        QVERIFY(files().sauver_fichier(path));
        const BoardArray after_seven = game().damier_affiche;

        w.action("Nouveau2")->trigger();
        find_child<NewGamePanel>(w, "Nouvelle_partie")
            ->start_button(NewGamePanel::ENTRAINEMENT)
            ->click();
        settle();
        QVERIFY(lines().isEmpty());
        QVERIFY(files().ouvrir_fichier(path));
        QCOMPARE(game().num_demi_coup, 7);
        QCOMPARE(game().longueur_partie, 7);
        QCOMPARE(game().trait(), BLACK);
        QCOMPARE(game().damier_affiche, after_seven);
        QCOMPARE(lines(),
                 (QStringList{QStringLiteral(" 1.c3-d4 f6-e5"), QStringLiteral(" 2.d4xf6 g7xe5"),
                              QStringLiteral(" 3.a3-b4 h6-g5"), QStringLiteral(" 4.b4-a5")}));
        QCOMPARE(move_list()->currentRow(), 3);
    }

    void foreignFileIsRefusedAndNothingChanges() {
        start_hvh();
        click(21);
        const QString path = QDir(m_user->path()).filePath(QStringLiteral("Sauve/foreign.dam"));
        {
            std::ofstream out(path.toStdString(), std::ios::binary);
            out << std::string(22442, '\x07');
        }
        QVERIFY(!files().ouvrir_fichier(path));
        // The file and the reason, in the interface's language.
        QCOMPARE(m_errors, QStringList{QStringLiteral("Impossible d'ouvrir ce fichier (") + path +
                                       QStringLiteral(" : ce n'est pas un fichier de ce type)")});
        QCOMPARE(game().num_demi_coup, 1);
        QCOMPARE(lines(), QStringList{QStringLiteral(" 1.a3-b4 ")});
    }

    void quitWritesTheAutomaticFileAndTheNextStartReadsIt() {
        MainWindow& w = start_2d();
        const QString path = QDir(m_user->path()).filePath(QStringLiteral("Sauve/autre.dam"));
        PersistentSettings autre;
        autre.niveau = 18;
        autre.minutes_autre = 7;
        write_position(path, "W:Wa3,c3:Bb6,d6", autre);
        QVERIFY(files().ouvrir_fichier(path));
        w.quitter();
        const QString last = QDir(m_user->path()).filePath(QStringLiteral("last32.dam"));
        QCOMPARE(QFileInfo(last).size(), qint64(22442));

        MainWindow& next = start(config());
        QVERIFY(m_errors.isEmpty());
        QCOMPARE(int(controller().last_settings().niveau), 18);
        QCOMPARE(controller().last_settings().minutes_autre, 7);
        QCOMPARE(int(controller().last_settings().langue), 0);
        next.choisir_damier_2d();
        QCOMPARE(controller().game().damier_affiche,
                 start_position()); // the 2D board starts afresh
    }

    void corruptAutomaticFileIsNamedAndTheDefaultsStand() {
        const QString last = QDir(m_user->path()).filePath(QStringLiteral("last32.dam"));
        {
            // Right size, but a budget no level gives.
            PersistentSettings wild;
            wild.budget_recherche = INT32_MAX;
            std::vector<std::uint8_t> bytes = encode_game_file(GameFileImage{{}, 0, 0, wild});
            std::ofstream out(last.toStdString(), std::ios::binary);
            out.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()));
        }
        start(config());
        QCOMPARE(m_errors,
                 QStringList{QStringLiteral("Impossible d'ouvrir ce fichier (") + last +
                             QStringLiteral(" : réglages hors limites (niveau, temps, langue ou "
                                            "tables))")});
        QCOMPARE(controller().last_settings().budget_recherche,
                 PersistentSettings{}.budget_recherche);
        QCOMPARE(int(controller().last_settings().niveau), int(PersistentSettings{}.niveau));
    }

    // A FIFO where the automatic file belongs would block the start for
    // ever; it is refused, named, and the defaults stand. So is one opened.
    void fifoInPlaceOfAGameFileIsRefusedWithoutWaiting() {
        const QString last = QDir(m_user->path()).filePath(QStringLiteral("last32.dam"));
        QCOMPARE(::mkfifo(last.toLocal8Bit().constData(), 0600), 0);
        start(config());
        QCOMPARE(m_errors, QStringList{QStringLiteral("Impossible d'ouvrir ce fichier (") + last +
                                       QStringLiteral(" : ce n'est pas un fichier ordinaire)")});
        QVERIFY(!files().ouvrir_fichier(last));
        QCOMPARE(m_errors.size(), 2);
    }

    void closingTheWindowDoesNotWriteTheAutomaticFile() {
        MainWindow& w = start_2d();
        click(21);
        QVERIFY(w.close());
        QVERIFY(!QFile::exists(QDir(m_user->path()).filePath(QStringLiteral("last32.dam"))));
    }

    void gameLoopPassesNeverNest() {
        int depth = 0;
        int deepest = 0;
        int passes = 0;
        GameLoop* loop = nullptr;
        QObject owner;
        loop = new GameLoop(
            [&] {
                ++passes;
                deepest = std::max(deepest, ++depth);
                if (passes == 1) {
                    // What a dialog opened inside a pass does: ask for another
                    // pass and run the event loop.
                    loop->schedule();
                    loop->schedule();
                    for (int k = 0; k < 3; ++k) QCoreApplication::processEvents();
                }
                --depth;
            },
            &owner);
        loop->schedule();
        loop->schedule();
        settle();
        settle();
        QCOMPARE(deepest, 1);
        QCOMPARE(passes, 2);
    }

    void eventsPostedBeforeAPassAreDeliveredInsideIt() {
        // A repaint asked for just before a pass that thinks for a long time
        // must not wait for the end of the thinking.
        struct Receiver : QObject {
            bool delivered = false;
            bool event(QEvent* e) override {
                if (e->type() != QEvent::User) return QObject::event(e);
                delivered = true;
                return true;
            }
        } receiver;
        bool seen_inside = false;
        QObject owner;
        GameLoop loop(
            [&] {
                for (int k = 0; k < 3; ++k) QCoreApplication::processEvents();
                seen_inside = receiver.delivered;
            },
            &owner);
        QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User), Qt::LowEventPriority);
        loop.schedule();
        settle();
        QVERIFY(receiver.delivered);
        QVERIFY(seen_inside);
    }

    void engineDataReadWithTheSessionIsReportedOnceTheGameIsShown() {
        QTemporaryDir empty_data;
        MainWindow& w = start(config(empty_data.path()));
        // Read before the window existed; the start screen waits for a choice.
        QVERIFY(!m_session->load_problems().empty());
        QVERIFY(m_errors.isEmpty());
        w.choisir_damier_2d();
        QVERIFY(!m_errors.isEmpty());
        for (const std::string& problem : m_session->load_problems())
            QVERIFY(m_errors.first().contains(QString::fromStdString(problem)));
    }

    void missingImagesAreReportedOnceAndTheBoardStillDraws() {
        QTemporaryDir empty_data;
        start_2d(config(empty_data.path()));
        // The engine's missing files first, in the window and not only on
        // standard error, then the images.
        QCOMPARE(m_errors.size(), 2);
        QVERIFY(m_errors.first().startsWith(QStringLiteral("Impossible d'ouvrir")));
        QVERIFY(m_errors.first().contains(QStringLiteral("defaut.par")));
        QVERIFY(m_errors.first().contains(QStringLiteral("hashkey33.dat")));
        QVERIFY(m_errors.last().contains(QStringLiteral("1pva.bmp")));
        const QImage picture = board()->grab().toImage();
        const PixelPoint at = square_origin(1, false);
        QVERIFY(picture.pixelColor(at.x + 30, at.y + 30) !=
                picture.pixelColor(at.x + 30 - 60, at.y + 30));
        click(21);
        // The computer answers even without its keys and parameters.
        QCOMPARE(game().num_demi_coup, 2);
        QCOMPARE(m_errors.size(), 2);
    }

    void textAndPdnFilesGoOutAndComeBack() {
        start_hvh();
        const QDir sauve(QDir(m_user->path()).filePath(QStringLiteral("Sauve")));
        const QString in = sauve.filePath(QStringLiteral("one.txt"));
        {
            QFile file(in);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("Ann-Bob  2-0\nSelvako144\n 1.c3-d4 f6-e5   2.d4xf6 g7xe5   3.b2-c3  \n");
        }
        QVERIFY(files().lire_fichier_texte(in)); // a single game: no chooser
        QCOMPARE(game().longueur_partie, 5);
        QCOMPARE(lines().size(), 3);
        QCOMPARE(QString::fromStdString(name_text(game().nom_noir)), QStringLiteral("Bob"));

        const QString pdn = sauve.filePath(QStringLiteral("out.pdn"));
        QVERIFY(files().ecrire_fichier_texte(pdn));
        const QStringList before = lines();
        const QString other = sauve.filePath(QStringLiteral("other.txt"));
        {
            QFile file(other);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("C-D\n 1.a3-b4\n");
        }
        QVERIFY(files().lire_fichier_texte(other));
        QCOMPARE(lines().size(), 1);
        QVERIFY(files().lire_fichier_texte(pdn));
        QCOMPARE(lines(), before);
        QVERIFY(m_errors.isEmpty());

        QVERIFY(!files().lire_fichier_texte(sauve.filePath(QStringLiteral("missing.pdn"))));
        QCOMPARE(m_errors.size(), 1);
        QCOMPARE(lines(), before); // nothing changed
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
