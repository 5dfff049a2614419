#include "app/selvako/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cstdio>

#include "app/selvako/engine_tables.h"
#include "files/game_file.h"
#include "ui/board/board_geometry.h"
#include "ui/calcul/search_lines.h"
#include "ui/i18n/captions.h"

namespace selvako {

namespace {

constexpr int CLIENT_WIDTH = 800;
constexpr int CLIENT_HEIGHT = 520;

constexpr Traductions TITLE = {"Selvako 3D, le jeu",   "Selvako 3D, the game",
                               "Selvako 3D, the game", "Selvako 3D, o jogo",
                               "Selvako 3D, el juego", "Selvako 3D, il gioco"};
constexpr Traductions ERREUR = {"Erreur"};
constexpr Traductions IMPOSSIBLE = {"Impossible d'ouvrir ce fichier"};
constexpr Traductions IMAGE_MANQUANTE = {"Images du damier introuvables :"};
constexpr Traductions NAVIGATION_HINTS[] = {
    {"Revenir au début"}, {"Reculer d'un coup"}, {"Avancer d'un coup"}, {"Aller à la fin"}};
constexpr Traductions INVERSER_HINT = {"Inverser le damier"};
constexpr Traductions FILTRE = {"Fichiers Selvako (*.dam *.DAM)"};
constexpr Traductions A_PROPOS = {
    "Selvako, jeu de dames sur 64 cases aux règles internationales.\nVersion 7.00"};

QString name_of(const PlayerName& name) {
    return QString::fromLatin1(name_text(name).c_str());
}

} // namespace

MainWindow::MainWindow(const AppConfig& config, SoundPlayer& sound, const TimeSource& time,
                       QWidget* parent)
    : QMainWindow(parent), m_config(config), m_sound(sound), m_time(time), m_clocks(time),
      m_search_clock(time), m_loop([this] { boucle_jeu(); }, this) {
    m_search =
        std::make_unique<Search>(m_state.engine, m_state.tables.table, m_state.tables.learned,
                                 m_state.tables.evaluation, m_search_clock, std::random_device{}());
    m_search->repertoires = &m_state.tables.repertoires;
    m_search->databases = &m_state.tables.databases;
    m_search->hooks.poll = [this] { poll_recherche(); };
    m_search->hooks.show_clock = [this](std::int32_t total) { horloge_recherche(total); };
    m_search->hooks.show_progress = [this](const SearchProgress& progress) {
        m_calcul->show_lines(search_lines(progress), root_lines(progress));
    };
    m_timer1.setInterval(1000);
    connect(&m_timer1, &QTimer::timeout, this, &MainWindow::ajouter_temps);
    // The start screen's board button shows the images before the start-up
    // sequence reads them; a missing one is reported then.
    m_images.load(QDir(m_config.data_dir).filePath(QStringLiteral("Images1")));

    m_stack = new QStackedWidget(this);
    m_intro = new IntroScreen(m_images, m_stack);
    connect(m_intro, &IntroScreen::board_2d_chosen, this, &MainWindow::choisir_damier_2d);
    connect(m_intro, &IntroScreen::language_chosen, this, &MainWindow::choisir_langue);
    m_stack->addWidget(m_intro);
    build_game_area();
    m_stack->addWidget(m_game_area);
    setCentralWidget(m_stack);
    build_menus();
    for (QMenu* menu : m_game_menus) menu->menuAction()->setVisible(false);
    apply_captions(FRANCAIS);
    m_intro->set_texts(FRANCAIS);
    resize(CLIENT_WIDTH, CLIENT_HEIGHT + menuBar()->sizeHint().height());
}

QMenu* MainWindow::add_menu(const char* key) {
    QMenu* menu = menuBar()->addMenu(QString());
    m_captioned.emplace_back(key, menu->menuAction());
    return menu;
}

QAction* MainWindow::add_item(QMenu* menu, const char* key) {
    QAction* item = menu->addAction(QString());
    item->setObjectName(QString::fromLatin1(key));
    m_captioned.emplace_back(key, item);
    return item;
}

void MainWindow::build_menus() {
    m_fichier = add_menu("Fichier1");
    m_nouveau = add_item(m_fichier, "Nouveau2");
    m_nouveau->setShortcut(QKeySequence::New);
    connect(m_nouveau, &QAction::triggered, this, &MainWindow::nouveau);
    m_hvh = add_item(m_fichier, "Humaincontrehumain1");
    m_hvh->setCheckable(true);
    connect(m_hvh, &QAction::triggered, this, &MainWindow::Ordinateur);
    m_cvc = add_item(m_fichier, "Ordinateurcontreordinateur1");
    m_cvc->setCheckable(true);
    connect(m_cvc, &QAction::triggered, this, &MainWindow::Ordinateurcontreordinateur1Click);
    m_fichier->addSeparator();
    m_ouvrir = add_item(m_fichier, "Ouvrir1");
    m_ouvrir->setShortcut(QKeySequence::Open);
    connect(m_ouvrir, &QAction::triggered, this, &MainWindow::ouvre);
    m_sauver = add_item(m_fichier, "Sauver1");
    m_sauver->setShortcut(QKeySequence::Save);
    connect(m_sauver, &QAction::triggered, this, &MainWindow::save);
    m_fichier->addSeparator();
    m_quitter = add_item(m_fichier, "Quitter1");
    m_quitter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(m_quitter, &QAction::triggered, this, &MainWindow::quitter);

    m_edition = add_menu("Edition1");
    connect(add_item(m_edition, "Reprendrecoups1"), &QAction::triggered, this,
            [this] { naviguer(&reprise); });
    connect(add_item(m_edition, "Avancercoups1"), &QAction::triggered, this,
            [this] { naviguer(&avancer); });
    connect(add_item(m_edition, "Reveniraudbut1"), &QAction::triggered, this,
            [this] { naviguer(&revenir_debut); });
    connect(add_item(m_edition, "Allerlafin1"), &QAction::triggered, this,
            [this] { naviguer(&Aller_fin); });

    QMenu* affichage = add_menu("Affichage1");
    m_inverser = add_item(affichage, "Inverserdamier1");
    m_inverser->setShortcut(QKeySequence(Qt::Key_F3));
    connect(m_inverser, &QAction::triggered, this, &MainWindow::Inverser);

    m_joueurs = add_menu("Joueurs1");
    m_inverser_joueurs = add_item(m_joueurs, "Inverserlesjoueurs1");
    connect(m_inverser_joueurs, &QAction::triggered, this, &MainWindow::inverser_joueurs);

    // The named levels first, then the timed ones and "Autre" under "Spécial".
    m_niveau = add_menu("Niveau1");
    auto* special = new QMenu(m_niveau);
    m_captioned.emplace_back("XSpecial1", special->menuAction());
    m_levels = new LevelMenu(
        m_niveau, special, [this](QMenu* menu, const char* key) { return add_item(menu, key); },
        this);
    m_niveau->addSeparator();
    m_niveau->addMenu(special);
    connect(m_levels, &LevelMenu::level_chosen, this, &MainWindow::choisir_niveau);
    connect(m_levels, &LevelMenu::autre_requested, this, &MainWindow::N8Autre1Click);

    QMenu* options = add_menu("Options1");
    m_numeroter = add_item(options, "Numroterlescase1");
    m_numeroter->setCheckable(true);
    connect(m_numeroter, &QAction::triggered, this, &MainWindow::numerotation);
    m_pause1 = add_item(options, "Pause1");
    connect(m_pause1, &QAction::triggered, this, &MainWindow::pause);
    m_horloges = add_item(options, "Horlogeszro1");
    connect(m_horloges, &QAction::triggered, this, &MainWindow::Horlogeszro1Click);
    m_pause2 = add_item(options, "Pause2");
    m_pause2->setCheckable(true);
    connect(m_pause2, &QAction::triggered, this, &MainWindow::Pause2Click);
    options->addSeparator();
    // Toggles: each only flips its check mark, read where it matters.
    const auto toggle = [this, options](const char* key, bool checked) {
        QAction* item = add_item(options, key);
        item->setCheckable(true);
        item->setChecked(checked);
        return item;
    };
    m_reflexion = toggle("Rflexionsurtempsadverse1", true);
    m_arret_clic = toggle("Arretrflexionparclicsouris1", true);
    m_indication = toggle("Indicationdesmouvements1", true);
    m_decomposer = toggle("Dcomposerlesprises1", true);
    auto* sons = new QMenu(options);
    m_captioned.emplace_back("Bipchaquecoup1", sons->menuAction());
    options->addMenu(sons);
    m_bip = add_item(sons, "Bipchaquecoup2");
    m_autres = add_item(sons, "Commentaires1");
    for (QAction* item : {m_bip, m_autres}) {
        item->setCheckable(true);
        item->setChecked(true);
    }

    m_aide_menu = add_menu("Aide1");
    connect(add_item(m_aide_menu, "Apropos1"), &QAction::triggered, this, &MainWindow::a_propos);

    m_langue_menu = add_menu("Langue1");
    m_francais = add_item(m_langue_menu, "Franais1");
    m_francais->setCheckable(true);
    connect(m_francais, &QAction::triggered, this, [this] { choisir_langue(FRANCAIS); });

    m_game_menus = {m_fichier, m_edition, affichage, m_joueurs, m_niveau, options};
}

QPushButton* MainWindow::add_button(QWidget* parent, const char* key) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(key));
    m_buttons.emplace_back(key, b);
    return b;
}

QPushButton* MainWindow::button(std::string_view key) const {
    for (const auto& [k, b] : m_buttons)
        if (k == key) return b;
    return nullptr;
}

void MainWindow::build_game_area() {
    m_game_area = new QWidget(m_stack);
    auto* row = new QHBoxLayout(m_game_area);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_board = new BoardView(m_state.game.damier_affiche, m_state.input.frames, m_state.display,
                            m_images, m_game_area);
    connect(m_board, &BoardView::clicked, this, &MainWindow::clic);
    connect(m_board, &BoardView::animation_finished, this, [this] { m_loop.schedule(); });
    row->addWidget(m_board, 1);

    auto* column_widget = new QWidget(m_game_area);
    column_widget->setFixedWidth(CLIENT_WIDTH - BoardView::LOGICAL_WIDTH);
    m_column = new QVBoxLayout(column_widget);
    m_column->setContentsMargins(0, 8, 7, 11);
    m_column->setSpacing(0);
    m_panel6 = new SidePanel(column_widget);
    m_panel6->setObjectName(QStringLiteral("Panel6"));
    m_panel6->set_piece(m_images.square(BLACK_MAN), true);
    m_panel7 = new SidePanel(column_widget);
    m_panel7->setObjectName(QStringLiteral("Panel7"));
    m_panel7->set_piece(m_images.square(WHITE_MAN), false);

    auto* middle = new QWidget(column_widget);
    auto* middle_layout = new QVBoxLayout(middle);
    middle_layout->setContentsMargins(0, 6, 0, 6);
    m_panel11 = new QLabel(middle);
    m_panel11->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_panel11->setAlignment(Qt::AlignCenter);
    QFont bold = m_panel11->font();
    bold.setBold(true);
    m_panel11->setFont(bold);
    middle_layout->addWidget(m_panel11);

    auto* pages = new QTabWidget(middle);
    auto* liste_page = new QWidget(pages);
    auto* liste_layout = new QVBoxLayout(liste_page);
    liste_layout->setContentsMargins(4, 4, 4, 4);
    m_liste = new QListWidget(liste_page);
    m_liste->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(m_liste, &QListWidget::itemDoubleClicked, this, &MainWindow::double_clic_liste);
    liste_layout->addWidget(m_liste);
    auto* buttons = new QHBoxLayout;
    const QStyle::StandardPixmap icons[] = {
        QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward, QStyle::SP_MediaSeekForward,
        QStyle::SP_MediaSkipForward};
    bool (*const commands[])(GameState&, EngineState&) = {&revenir_debut, &reprise, &avancer,
                                                          &Aller_fin};
    for (int k = 0; k < 4; ++k) {
        m_navigation[k] = new QToolButton(liste_page);
        m_navigation[k]->setIcon(style()->standardIcon(icons[k]));
        auto* command = commands[k];
        connect(m_navigation[k], &QToolButton::clicked, this,
                [this, command] { naviguer(command); });
        buttons->addWidget(m_navigation[k]);
    }
    buttons->addStretch();
    m_speedbutton3 = new QToolButton(liste_page);
    m_speedbutton3->setObjectName(QStringLiteral("SpeedButton3"));
    m_speedbutton3->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    connect(m_speedbutton3, &QToolButton::clicked, this, &MainWindow::Inverser);
    buttons->addWidget(m_speedbutton3);
    liste_layout->addLayout(buttons);
    pages->addTab(liste_page, QString());
    m_calcul = new CalculPage(pages);
    connect(m_calcul->best_button(), &QPushButton::clicked, this, &MainWindow::Best1Click);
    pages->addTab(m_calcul, QString());
    pages->setObjectName(QStringLiteral("Liste"));
    m_pages = pages;
    middle_layout->addWidget(pages, 1);

    auto* notice = new QHBoxLayout;
    m_label29 = new QLabel(middle);
    m_label30 = new QLabel(middle);
    m_label31 = new QLabel(middle);
    for (QLabel* l : {m_label29, m_label30, m_label31}) {
        QFont font = l->font();
        font.setBold(true);
        l->setFont(font);
        l->setStyleSheet(QStringLiteral("color: #c00000;"));
        QSizePolicy policy = l->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        l->setSizePolicy(policy);
        l->hide();
        notice->addWidget(l);
    }
    notice->addStretch();
    middle_layout->addLayout(notice);

    // The buttons of play: stop the computer's thinking, offer a draw (the
    // refusal offers again when clicked), resign a rated match.
    auto* play_row = new QHBoxLayout;
    play_row->setSpacing(4);
    m_joue = add_button(middle, "Joue");
    connect(m_joue, &QPushButton::clicked, this, &MainWindow::pause);
    m_proposernul = add_button(middle, "Proposernul");
    connect(m_proposernul, &QPushButton::clicked, this, &MainWindow::ProposernulClick);
    m_nulrefus = add_button(middle, "Nulrefus");
    m_nulrefus->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    connect(m_nulrefus, &QPushButton::clicked, this, &MainWindow::ProposernulClick);
    m_nulrefus->hide();
    m_abandon1 = add_button(middle, "Abandon1");
    connect(m_abandon1, &QPushButton::clicked, this, &MainWindow::AbandonClick);
    m_abandon1->hide();
    for (QPushButton* b : {m_joue, m_proposernul, m_nulrefus, m_abandon1}) play_row->addWidget(b);
    play_row->addStretch();
    middle_layout->addLayout(play_row);
    m_zut = new QLabel(middle);
    m_zut->setObjectName(QStringLiteral("Zut"));
    m_zut->setWordWrap(true);
    m_zut->setStyleSheet(QStringLiteral("color: #000080; font-style: italic;"));
    m_zut->hide();
    middle_layout->addWidget(m_zut);

    m_column->addWidget(m_panel6);
    m_column->addWidget(middle, 1);
    m_column->addWidget(m_panel7);
    row->addWidget(column_widget);

    m_fin_de_parties = new EndOfGamePanel(m_board);
    connect(m_fin_de_parties, &EndOfGamePanel::closed, m_board, qOverload<>(&QWidget::update));
    m_panel9 = new AutrePanel(m_board);
    connect(m_panel9, &AutrePanel::accepted, this, [this](const LevelParameters& level) {
        m_levels->check(NIVEAU_AUTRE);
        choisir_niveau(level);
    });
    connect(m_panel9, &AutrePanel::cancelled, m_board, qOverload<>(&QWidget::update));
    m_match_nul = new DrawOfferPanel(m_board);
    connect(m_match_nul, &DrawOfferPanel::accepted, this,
            [this] { fin_partie(GameEndKind::draw); });
}

void MainWindow::apply_captions(int langue) {
    for (auto& [key, item] : m_captioned) item->setText(caption(key, langue));
    auto* pages = m_game_area->findChild<QTabWidget*>(QStringLiteral("Liste"));
    pages->setTabText(0, caption("Liste", langue));
    pages->setTabText(1, caption("Calcul", langue));
    m_calcul->set_captions(langue);
    m_label29->setText(caption("Label29", langue));
    m_label30->setText(caption("Label30", langue));
    m_label31->setText(caption("Label31", langue));
    for (int k = 0; k < 4; ++k) m_navigation[k]->setToolTip(texte(NAVIGATION_HINTS[k], langue));
    for (auto& [key, b] : m_buttons) b->setText(caption(key, langue));
    m_zut->setText(caption("Zut", langue));
    m_panel9->set_captions(langue);
    m_match_nul->set_captions(langue);
    m_speedbutton3->setToolTip(texte(INVERSER_HINT, langue));
    setWindowTitle(texte(TITLE, langue));
}

void MainWindow::choisir_langue(int langue) {
    // Only the French captions exist so far; any other language shows French.
    m_state.game.settings.langue = FRANCAIS;
    m_francais->setChecked(true);
    apply_captions(langue);
    if (!m_startup_done) m_intro->set_texts(langue);
}

int MainWindow::langue_cochee() const {
    // The items are tested in the order Français, English, Nederlands,
    // Portugues, Español, Italiano; only the French one exists so far, and
    // French is the fallback as well.
    return FRANCAIS;
}

QAction* MainWindow::action(std::string_view key) const {
    for (const auto& [k, item] : m_captioned)
        if (k == key) return item;
    return nullptr;
}

bool MainWindow::start_screen_shown() const {
    return m_stack->currentWidget() == m_intro;
}

QString MainWindow::user_path(const QString& name) const {
    return QDir(m_config.user_dir).filePath(name);
}

void MainWindow::report_error(const QString& text) {
    m_reported << text;
    if (m_config.headless) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(texte(ERREUR, langue_cochee())),
                     qPrintable(text));
        return;
    }
    QMessageBox::critical(this, texte(ERREUR, langue_cochee()), text);
}

void MainWindow::report_missing_images(const QStringList& missing) {
    if (missing.isEmpty() || m_images_reported) return;
    m_images_reported = true;
    report_error(texte(IMAGE_MANQUANTE, langue_cochee()) + QLatin1Char(' ') +
                 missing.join(QStringLiteral(", ")));
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void MainWindow::FormActivate() {
    if (m_activated || m_startup_done) return;
    m_activated = true;
    const QString last = user_path(QStringLiteral("last32.dam"));
    // On the very first run there is no automatic file yet: the defaults stand.
    if (QFile::exists(last)) {
        const auto image = read_game_file(last.toStdString());
        if (image)
            m_state.game.settings = image->settings;
        else
            report_error(texte(IMPOSSIBLE, langue_cochee()));
    }
    choisir_langue(m_state.game.settings.langue);
}

void MainWindow::choisir_damier_2d() {
    if (m_startup_done) return;
    Introduction();
    m_state.game.navigation_historique = 0;
    m_state.game.clic_en_attente = {};
    m_loop.schedule();
}

void MainWindow::Introduction() {
    GameState& g = m_state.game;
    m_startup_done = true;
    g.dernier_resultat = Outcome::none;
    g.fin_programme = 0;
    m_stack->setCurrentWidget(m_game_area);

    const QStringList missing = charger_tables_moteur(m_state.engine, m_state.tables, m_config);
    if (!missing.isEmpty())
        std::fprintf(stderr, "selvako: %s\n", qPrintable(missing.join(QStringLiteral(", "))));
    g.trait = WHITE;
    report_missing_images(
        m_images.load(QDir(m_config.data_dir).filePath(QStringLiteral("Images1"))));
    m_panel6->set_piece(m_images.square(BLACK_MAN), true);
    m_panel7->set_piece(m_images.square(WHITE_MAN), false);

    m_state.display.menu_visible = true;
    for (QMenu* menu : m_game_menus) menu->menuAction()->setVisible(true);
    remplir();
    Horlogeszro1Click();
    m_timer1.start();

    choisir_niveau(LEVEL_ITEMS[5].parameters);
    m_levels->check(LEVEL_ITEMS[5].parameters.niveau);

    g.ordinateur_au_trait = 0;
    g.adversaire_ordinateur = 1;
    g.couleur_ordinateur = BLACK;
    g.nom_noir = make_name("Selvako");
    g.nom_blanc = make_name("Inconnu");
    noter_coup(g, m_state.engine);
    g.mode_edition = 0;
    m_computer.reflexion = false;
    refresh();
}

void MainWindow::remplir() {
    if (m_state.display.damier_inverse) {
        m_state.display.damier_inverse = false;
        place_side_panels();
    }
    m_board->stop_animation();
    m_state.input.drop(m_state.game);
    m_state.input.capture_notice = false;
    nouvelle_partie(m_state.game, m_state.engine);
    m_clocks.reset();
    show_clocks();
    m_state.game.sans_reflexion = 1;
    m_computer.reflexion_ce_tour = false;
    m_fin_de_parties->hide();
    m_match_nul->hide();
    m_nulrefus->hide();
    m_zut->hide();
    compter_pions();
}

void MainWindow::naviguer(bool (*command)(GameState&, EngineState&)) {
    if (!m_startup_done || differer([this, command] { naviguer(command); })) return;
    m_board->stop_animation();
    command(m_state.game, m_state.engine);
    game_to_clocks();
    m_state.input.drop(m_state.game);
    m_state.input.capture_notice = false;
    compter_pions();
    refresh();
    m_loop.schedule();
}

void MainWindow::double_clic_liste() {
    const int line = m_liste->currentRow();
    if (line < 0 || differer([this] { double_clic_liste(); })) return;
    m_board->stop_animation();
    revenir_n(m_state.game, m_state.engine, line);
    game_to_clocks();
    m_state.input.drop(m_state.game);
    compter_pions();
    refresh();
    m_loop.schedule();
}

void MainWindow::Inverser() {
    m_state.display.damier_inverse = !m_state.display.damier_inverse;
    place_side_panels();
    compter_pions();
    m_board->update();
}

void MainWindow::numerotation() {
    m_state.display.numerotation_active = !m_state.display.numerotation_active;
    m_numeroter->setChecked(m_state.display.numerotation_active);
    m_board->update();
}

void MainWindow::place_side_panels() {
    // Black's panel is at the top in the normal view, White's upside down.
    SidePanel* top = m_state.display.damier_inverse ? m_panel7 : m_panel6;
    SidePanel* bottom = m_state.display.damier_inverse ? m_panel6 : m_panel7;
    m_column->removeWidget(m_panel6);
    m_column->removeWidget(m_panel7);
    m_column->insertWidget(0, top);
    m_column->addWidget(bottom);
}

void MainWindow::compter_pions() {
    // The display copy: while the search thinks on the human's time the
    // engine's board is the search's own.
    int white = 0;
    int black = 0;
    for (int s = 1; s <= NUM_SQUARES; ++s) {
        const std::uint8_t code = m_state.game.damier_affiche[s];
        if (is_white_piece(code)) ++white;
        if (is_black_piece(code)) ++black;
    }
    m_panel7->set_count(white);
    m_panel6->set_count(black);
}

void MainWindow::refresh() {
    const GameState& g = m_state.game;
    m_panel6->set_name(name_of(g.nom_noir) + QStringLiteral(" : "));
    m_panel7->set_name(name_of(g.nom_blanc) + QStringLiteral(" : "));
    for (QLabel* l : {m_label29, m_label30, m_label31}) l->setVisible(m_state.input.capture_notice);
    sync_move_list();
    m_board->update();
}

void MainWindow::sync_move_list() {
    const MoveList& list = m_state.game.liste_coups;
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

bool MainWindow::sauver_fichier(const QString& path) {
    GameState& g = m_state.game;
    m_state.engine.board = g.damier_affiche;
    g.settings.langue = static_cast<std::uint8_t>(langue_cochee());
    g.settings.minutes_autre = m_panel9->minutes();
    const bool written = write_game_file(path.toStdString(), game_file_image(g));
    if (!written) report_error(texte(IMPOSSIBLE, langue_cochee()));
    m_board->update();
    return written;
}

bool MainWindow::ouvrir_fichier(const QString& path) {
    GameState& g = m_state.game;
    const std::uint8_t langue = g.settings.langue;
    const std::int16_t taille = g.settings.taille_tables;
    const auto image = read_game_file(path.toStdString());
    if (!image) {
        report_error(texte(IMPOSSIBLE, langue_cochee()));
        return false;
    }
    g.arret_demande = 1;
    m_board->stop_animation();
    load_game_file_image(g, m_state.engine, *image);
    // The game opens with the human to move, as when the menu could be used.
    g.ordinateur_au_trait = 0;
    g.settings.langue = langue;
    g.settings.taille_tables = taille;
    choisir_langue(langue);
    m_levels->check(g.settings.niveau);
    m_panel9->set_minutes(g.settings.minutes_autre);
    game_to_clocks();
    m_state.input.drop(g);
    m_state.input.capture_notice = false;
    m_fin_de_parties->hide();
    compter_pions();
    refresh();
    m_loop.schedule();
    return true;
}

void MainWindow::save() {
    if (differer([this] { save(); })) return;
    QFileDialog dialog(this, caption("Sauver1", langue_cochee()),
                       user_path(QStringLiteral("Sauve")), texte(FILTRE, langue_cochee()));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("dam"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        sauver_fichier(dialog.selectedFiles().first());
}

void MainWindow::ouvre() {
    if (differer([this] { ouvre(); })) return;
    QFileDialog dialog(this, caption("Ouvrir1", langue_cochee()),
                       user_path(QStringLiteral("Sauve")), texte(FILTRE, langue_cochee()));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        ouvrir_fichier(dialog.selectedFiles().first());
}

void MainWindow::Best1Click() {
    if (!m_calcul->write_bestmove(user_path(QStringLiteral("Bestmove.txt"))))
        report_error(texte(IMPOSSIBLE, langue_cochee()));
}

void MainWindow::a_propos() {
    QMessageBox::about(this, caption("Apropos1", langue_cochee()),
                       texte(A_PROPOS, langue_cochee()));
}

void MainWindow::quitter() {
    if (differer([this] { quitter(); })) return;
    GameState& g = m_state.game;
    g.arret_demande = 1;
    m_state.engine.board = g.damier_affiche;
    g.settings.langue = static_cast<std::uint8_t>(langue_cochee());
    g.settings.minutes_autre = m_panel9->minutes();
    if (!write_game_file(user_path(QStringLiteral("last32.dam")).toStdString(), game_file_image(g)))
        report_error(texte(IMPOSSIBLE, langue_cochee()));
    g.fin_programme = 1;
    close();
    QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    GameState& g = m_state.game;
    if (g.fin_programme) {
        event->accept();
        return;
    }
    // A rated match cannot be left by closing the window.
    if (g.mode_match != 0) {
        event->ignore();
        return;
    }
    g.arret_demande = 1;
    g.fin_programme = 1;
    event->accept();
}

} // namespace selvako
