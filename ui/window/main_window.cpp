#include "ui/window/main_window.h"
#include "ui/i18n/file_texts.h"
#include "ui/window/window_texts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenuBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/analysis/analysis_menus.h"
#include "ui/board/board_geometry.h"
#include "ui/game_files/game_file_handler.h"
#include "ui/i18n/captions.h"
#include "ui/i18n/shown_texts.h"
#include "ui/lessons/lesson_controls.h"
#include "ui/parameters/parametrage_menu.h"
#include "ui/view3d/view_3d.h"

namespace selvako {

namespace {

constexpr int CLIENT_WIDTH = 800;
constexpr int CLIENT_HEIGHT = 520;

QString from_std(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

MainWindow::MainWindow(const AppConfig& config, SoundPlayer& sound, GameSession& session,
                       QWidget* parent)
    : QMainWindow(parent), m_config(config), m_sound(sound), m_session(session),
      m_controller(session.controller()),
      m_errors(this, config.headless, config.error_sink, [this] { return langue_cochee(); }),
      m_context{.window = this,
                .config = m_config,
                .controller = m_controller,
                .items = m_items,
                .errors = m_errors,
                .send = [this](const Command& c) { send(c); },
                .started = m_startup_done},
      m_loop([this] { m_controller.boucle_jeu(); }, this) {
    m_session.attach(*this);
    m_timer1.setInterval(1000);
    connect(&m_timer1, &QTimer::timeout, this, [this] { m_controller.ajouter_temps(); });
    // The start screen's board button shows the images before the start-up
    // sequence reads them; a missing one is reported then.
    m_images.load(QDir(m_config.data_dir).filePath(QStringLiteral("Images1")));

    m_stack = new QStackedWidget(this);
    m_intro = new IntroScreen(m_images, m_config.data_dir, m_stack);
    connect(m_intro, &IntroScreen::board_2d_chosen, this, &MainWindow::choisir_damier_2d);
    connect(m_intro, &IntroScreen::theme_chosen, this,
            [this](int theme) { choisir_damier_3d(theme, true); });
    connect(m_intro, &IntroScreen::language_chosen, this, &MainWindow::choisir_langue);
    m_stack->addWidget(m_intro);
    m_files = new GameFileHandler(m_context);
    build_game_area();
    m_lessons = new LessonControls(m_context, m_liste->parentWidget());
    m_stack->addWidget(m_game_area);
    setCentralWidget(m_stack);
    build_menus();
    wire_permissions();
    m_permissions.publish(m_controller.permissions());
    for (QMenu* menu : m_game_menus) menu->menuAction()->setVisible(false);
    apply_captions(FRANCAIS);
    m_intro->set_texts(FRANCAIS);
    resize(CLIENT_WIDTH, CLIENT_HEIGHT + menuBar()->sizeHint().height());
    // The designed size is the least at which everything fits; larger, the
    // board and the panels grow with the window.
    setMinimumSize(size());
}

MainWindow::~MainWindow() {
    // The controller outlives the window: from now on its news go nowhere.
    m_session.detach();
}

void MainWindow::send(const Command& c) {
    if (!m_startup_done) return;
    // A move still being shown belongs to the game that is about to change.
    if (effect_of(c) != CommandEffect::immediate) m_board->stop_animation();
    m_controller.command(c);
}

void MainWindow::send_options() {
    GameOptions o = m_controller.options();
    o.reflexion_sur_temps_adverse = m_reflexion->isChecked();
    o.arret_par_clic = m_arret_clic->isChecked();
    o.decomposer_prises = m_decomposer->isChecked();
    o.bip = m_bip->isChecked();
    o.autres = m_autres->isChecked();
    o.repertoire = m_parametrage->bibliotheques()->isChecked();
    send(command::SetOptions{o});
}

// ---- What the controller tells the window -----------------------------------

void MainWindow::game_changed() {
    refresh();
}

void MainWindow::permissions_changed(const Permissions& now) {
    m_permissions.publish(now);
}

void MainWindow::pass_wanted() {
    m_loop.schedule();
}

void MainWindow::process_events() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void MainWindow::thinking_started() {
    m_view3d->panel()->image()->update();
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void MainWindow::thinking_finished() {
    m_view3d->panel()->image()->update();
    QApplication::restoreOverrideCursor();
}

void MainWindow::search_progress(const SearchProgress& progress) {
    m_calcul->show_progress(progress);
}

void MainWindow::clock_shown(int side, std::int32_t seconds) {
    const ClockLabels labels = clock_labels(seconds);
    (side == BLACK ? m_panel6 : m_panel7)
        ->set_clock(QString::fromStdString(labels.minutes), QString::fromStdString(labels.seconds));
    m_view3d->panel()->set_clock(side, QString::fromStdString(labels.minutes),
                                 QString::fromStdString(labels.seconds));
}

void MainWindow::move_played(const BoardArray& before, const Move& move,
                             const std::vector<Square>& walk, bool by_computer) {
    if (by_computer) m_view3d->computer_moved(move.to);
    if (by_computer) {
        if (m_config.animations) m_board->animate_computer_move(before, move.from, walk);
    } else if (!walk.empty()) {
        m_board->animate_capture(before, move.from, walk);
    }
}

bool MainWindow::showing_move() const {
    return m_board->animating();
}

void MainWindow::game_ended(const GameEndReport& report) {
    m_fin_de_parties->keep_clear(last_move_area());
    m_fin_de_parties->show_result(from_std(report.qui_gagne), from_std(report.resultat_blanc),
                                  from_std(report.resultat_noir));
}

void MainWindow::play_sound(std::string_view file) {
    m_sound.play(file);
}

void MainWindow::refused(const FileRefusal& refusal) {
    m_errors.report_refusal(refusal);
}

void MainWindow::error(GameError kind) {
    switch (kind) {
    case GameError::file:
        m_errors.report(texte(IMPOSSIBLE_OUVRIR, langue_cochee()));
        break;
    case GameError::player_files:
        m_errors.report(texte(JOUEURS_REPARES, langue_cochee()));
        break;
    case GameError::record_full:
        m_fin_de_parties->show_result(m_fin_de_parties->result_text(), {}, {},
                                      texte(RELEVE_PLEIN, langue_cochee()));
        break;
    }
}

void MainWindow::program_ended() {
    close();
    QCoreApplication::exit(0);
}

// ---- Start-up ----------------------------------------------------------------

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void MainWindow::FormActivate() {
    if (m_activated || m_startup_done) return;
    m_activated = true;
    // Before the start-up sequence, which send() waits for.
    m_controller.command(command::ReadLastSettings{});
    choisir_langue(m_controller.last_settings().langue);
}

void MainWindow::choisir_damier_2d() {
    if (m_startup_done) return;
    Introduction();
    m_view3d->Damier2D1Click();
}

bool MainWindow::choisir_damier_3d(int theme, bool restore_last) {
    if (m_startup_done || theme < 1 || theme > THEME_COUNT) return false;
    Introduction();
    const int shown = m_view3d->show_start_theme(theme);
    if (restore_last) send(command::RestoreLastGame{});
    return shown == theme;
}

void MainWindow::Introduction() {
    m_startup_done = true;
    m_stack->setCurrentWidget(m_game_area);

    // The engine read its data when the session was built: the user must
    // know what it plays without.
    const std::vector<std::string>& problems = m_session.load_problems();
    if (!problems.empty()) {
        QString text = texte(IMPOSSIBLE_OUVRIR, langue_cochee());
        for (const std::string& problem : problems) text += QLatin1Char('\n') + from_std(problem);
        m_errors.report(text);
    }
    report_missing_images(
        m_images.load(QDir(m_config.data_dir).filePath(QStringLiteral("Images1"))));
    m_view3d->check_theme_availability();
    m_panel6->set_piece(m_images.square(BLACK_MAN), true);
    m_panel7->set_piece(m_images.square(WHITE_MAN), false);

    m_display.menu_visible = true;
    for (QMenu* menu : m_game_menus) menu->menuAction()->setVisible(true);
    m_langue_menu->setTitle(caption("Langue1_court", langue_cochee()));
    if (m_display.damier_inverse) {
        m_display.damier_inverse = false;
        place_side_panels();
    }
    m_board->stop_animation();
    m_timer1.start();
    send(command::StartUp{});
    // The table size of the last run, reallocated, not only ticked.
    send(command::SetTableSize{m_controller.last_settings().taille_tables});
    send_options();
}

// ---- Board clicks and clocks -------------------------------------------------

void MainWindow::clic(int x, int y) {
    // While a capture is shown step by step the board takes no new move.
    if (!m_startup_done || m_board->animating()) return;
    // A click off the dark squares still stops the search; the input then
    // ignores its square 0.
    send(command::SquareClicked{square_from_click(x, y, m_display.damier_inverse)});
}

void MainWindow::N8Autre1Click() {
    show_centred(m_panel9);
    m_panel9->field()->setFocus();
    m_panel9->field()->selectAll();
}

// ---- Drawing -------------------------------------------------------------------

void MainWindow::refresh() {
    m_analysis->refresh();
    const GameState& g = m_controller.game();
    const GameNotices& notices = m_controller.notices();
    m_panel6->set_name(shown_name(g.nom_noir, BLACK, langue_cochee()) + QStringLiteral(" : "));
    m_panel7->set_name(shown_name(g.nom_blanc, WHITE, langue_cochee()) + QStringLiteral(" : "));
    for (QLabel* l : m_capture_notice) l->setVisible(notices.capture);
    m_zut->setVisible(notices.zut);
    m_nulrefus->setVisible(notices.draw_refused);
    if (notices.draw_offered && !m_match_nul->isVisible())
        show_centred(m_match_nul);
    else if (!notices.draw_offered)
        m_match_nul->hide();
    if (!notices.end_of_game) m_fin_de_parties->hide();

    m_panel11->setText(kind_of_game());
    show_options();
    compter_pions();
    show_turn();
    sync_move_list();
    show_problem_page();
    m_lessons->refresh();
    m_board->update();
    m_view3d->refresh(kind_of_game());
}

QString MainWindow::kind_of_game() const {
    if (m_controller.game().mode_match != MatchMode::none)
        return caption("Match1", langue_cochee());
    if (!m_controller.options().humain_contre_humain) return texte(ENTRAINEMENT, langue_cochee());
    return caption("Humain", langue_cochee());
}

void MainWindow::show_options() {
    const GameOptions& o = m_controller.options();
    m_hvh->setChecked(o.humain_contre_humain);
    m_cvc->setChecked(o.ordinateur_contre_ordinateur);
    m_reflexion->setChecked(o.reflexion_sur_temps_adverse);
    m_arret_clic->setChecked(o.arret_par_clic);
    m_decomposer->setChecked(o.decomposer_prises);
    m_bip->setChecked(o.bip);
    m_autres->setChecked(o.autres);
    m_parametrage->bibliotheques()->setChecked(o.repertoire);
    m_pause2->setChecked(m_controller.clocks().paused());
    m_levels->check(m_controller.game().settings.niveau);
    for (std::size_t k = 0; k < m_tailles.size(); ++k)
        m_tailles[k]->setChecked(TABLE_SIZES[k].setting ==
                                 m_controller.game().settings.taille_tables);
    m_panel9->set_minutes(m_controller.game().settings.minutes_autre);
}

void MainWindow::compter_pions() {
    const PieceCounts counts = count_pieces(m_controller.game().damier_affiche);
    m_panel7->set_count(counts[WHITE_MAN] + counts[WHITE_KING]);
    m_panel6->set_count(counts[BLACK_MAN] + counts[BLACK_KING]);
}

void MainWindow::show_turn() {
    const Turn turn = m_controller.turn();
    const int langue = langue_cochee();
    QString text;
    switch (turn.holder) {
    case TurnHolder::human:
        if (turn.computer_waits)
            text = texte(SELVAKO_ATTEND, langue);
        else if (m_controller.options().humain_contre_humain)
            text = texte(AU_TRAIT, langue);
        else
            text = texte(A_VOUS, langue);
        break;
    case TurnHolder::computer:
        text = texte(SELVAKO_JOUE, langue);
        break;
    case TurnHolder::nobody:
        text = texte(PARTIE_TERMINEE, langue);
        break;
    }
    SidePanel* mover = turn.side == BLACK ? m_panel6 : m_panel7;
    SidePanel* other = turn.side == BLACK ? m_panel7 : m_panel6;
    mover->set_turn(turn.holder != TurnHolder::nobody, text);
    other->set_turn(false, {});
}

QRect MainWindow::last_move_area() const {
    QRect area;
    const QTransform to_widget = m_board->logical_transform();
    for (const Square s : m_controller.game().dernier_coup) {
        if (s < 1 || s > NUM_SQUARES) continue;
        const PixelPoint at = square_origin(s, m_display.damier_inverse);
        area |= to_widget.mapRect(QRectF(at.x, at.y, SQUARE_PIXELS, SQUARE_PIXELS)).toAlignedRect();
    }
    return area;
}

void MainWindow::poser_piece() {
    const MoveInput& input = m_controller.input();
    if (input.piece_prise != 0) send(command::SquareClicked{input.chemin_clics[0]});
}

void MainWindow::Inverser() {
    m_display.damier_inverse = !m_display.damier_inverse;
    place_side_panels();
    m_board->update();
    m_view3d->panel()->image()->update();
}

void MainWindow::numerotation() {
    m_display.numerotation_active = !m_display.numerotation_active;
    m_numeroter->setChecked(m_display.numerotation_active);
    m_board->update();
    m_view3d->panel()->image()->update();
}

void MainWindow::place_side_panels() {
    // Black's panel is at the top in the normal view, White's upside down.
    SidePanel* top = m_display.damier_inverse ? m_panel7 : m_panel6;
    SidePanel* bottom = m_display.damier_inverse ? m_panel6 : m_panel7;
    m_column->removeWidget(m_panel6);
    m_column->removeWidget(m_panel7);
    m_column->insertWidget(0, top);
    m_column->addWidget(bottom);
    m_view3d->panel()->place_clocks(m_display.damier_inverse);
}

void MainWindow::sync_move_list() {
    const MoveList& list = m_controller.game().liste_coups;
    const QSignalBlocker blocker(m_liste);
    const int count = static_cast<int>(list.lines.size());
    while (m_liste->count() > count) delete m_liste->takeItem(m_liste->count() - 1);
    for (int k = 0; k < count; ++k) {
        const QString text = QString::fromLatin1(list.lines[k].c_str());
        if (k < m_liste->count()) {
            if (m_liste->item(k)->text() != text) m_liste->item(k)->setText(text);
        } else {
            m_liste->addItem(text);
        }
    }
    m_liste->setCurrentRow(list.selected);
    if (list.selected >= 0) m_liste->scrollToItem(m_liste->item(list.selected));
}

// ---- Languages ----------------------------------------------

void MainWindow::choisir_langue(int langue) {
    if (langue < FRANCAIS || langue >= LANGUAGE_COUNT) langue = FRANCAIS;
    // The controller keeps the language (and saves it with the game); the
    // check mark and every caption follow it.
    m_controller.command(command::SetLanguage{static_cast<std::uint8_t>(langue)});
    m_langues[static_cast<std::size_t>(langue)]->setChecked(true);
    apply_captions(langue);
    // The captions that show a state are written again in the new language.
    if (m_startup_done) refresh();
    load_qt_translations(langue);
    if (!m_startup_done) m_intro->set_texts(langue);
}

void MainWindow::load_qt_translations(int langue) {
    static constexpr QLocale::Language LANGUAGES[] = {QLocale::French,  QLocale::English,
                                                      QLocale::Dutch,   QLocale::Portuguese,
                                                      QLocale::Spanish, QLocale::Italian};
    const QLocale locale(LANGUAGES[langue >= 0 && langue < 6 ? langue : 0]);
    QCoreApplication::removeTranslator(&m_qt_translator);
    // Qt's own texts are English already; elsewhere a missing catalogue
    // (the package is not installed) leaves them in English, as before.
    if (m_qt_translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt_translator);
}

void MainWindow::report_missing_images(const QStringList& missing) {
    if (missing.isEmpty() || m_images_reported) return;
    m_images_reported = true;
    m_errors.report(texte(IMAGES_INTROUVABLES, langue_cochee()) + QLatin1Char(' ') +
                    missing.join(QStringLiteral(", ")));
}

void MainWindow::Best1Click() {
    if (!m_calcul->write_bestmove(m_context.user_path(QStringLiteral("Bestmove.txt"))))
        m_errors.report(texte(IMPOSSIBLE_OUVRIR, langue_cochee()));
}

void MainWindow::quitter() {
    send(command::Quit{});
}

void MainWindow::closeEvent(QCloseEvent* event) {
    const GameState& g = m_controller.game();
    if (g.fin_programme) {
        event->accept();
        return;
    }
    // A rated match in progress cannot be left by closing the window.
    if (m_controller.match_in_progress()) {
        event->ignore();
        return;
    }
    // The search, if one runs, is stopped; "last32.dam" is not written.
    send(command::Close{});
    event->accept();
}

} // namespace selvako
