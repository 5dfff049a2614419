// The window's menus, board area and captions, built once; every item and
// button sends a command to the game controller.

#include <QActionGroup>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/analysis/analysis_menus.h"
#include "ui/game_files/game_file_handler.h"
#include "ui/i18n/captions.h"
#include "ui/i18n/shown_texts.h"
#include "ui/lessons/lesson_controls.h"
#include "ui/panels/fitted_tabs.h"
#include "ui/panels/player_panels.h"
#include "ui/panels/resign_question.h"
#include "ui/parameters/parametrage_menu.h"
#include "ui/view3d/view_3d.h"
#include "ui/window/board_row_layout.h"
#include "ui/window/main_window.h"
#include "ui/window/window_texts.h"

namespace selvako {

namespace {

constexpr int CLIENT_WIDTH = 800;

// The language menu, in its order; each item names its language in that language.
struct LanguageItem {
    const char* key;
    int langue;
};
constexpr LanguageItem LANGUAGE_ITEMS[] = {{"Portugues1", PORTUGUES}, {"Franais1", FRANCAIS},
                                           {"English1", ENGLISH},     {"Nederlands1", NEDERLANDS},
                                           {"Espanol1", ESPANOL},     {"Italiano1", ITALIANO}};

} // namespace

void MainWindow::build_menus() {
    QMenuBar* bar = menuBar();
    const auto add_menu = [this, bar](const char* key) { return m_items.add_menu(bar, key); };
    const auto add_item = [this](QMenu* menu, const char* key) {
        return m_items.add_item(menu, key);
    };
    const auto sends = [this](const Command& c) { return [this, c] { send(c); }; };
    m_fichier = add_menu("Fichier1");
    m_nouveau = add_item(m_fichier, "Nouveau2");
    m_nouveau->setShortcut(QKeySequence::New);
    connect(m_nouveau, &QAction::triggered, m_players, &PlayerPanels::Nouveau2Click);
    m_hvh = add_item(m_fichier, "Humaincontrehumain1");
    m_hvh->setCheckable(true);
    connect(m_hvh, &QAction::triggered, this, sends(command::HumanAgainstHuman{}));
    m_cvc = add_item(m_fichier, "Ordinateurcontreordinateur1");
    m_cvc->setCheckable(true);
    connect(m_cvc, &QAction::triggered, this, sends(command::ComputerAgainstComputer{}));
    m_fichier->addSeparator();
    m_ouvrir = add_item(m_fichier, "Ouvrir1");
    m_ouvrir->setShortcut(QKeySequence::Open);
    connect(m_ouvrir, &QAction::triggered, m_files, &GameFileHandler::ouvre);
    m_sauver = add_item(m_fichier, "Sauver1");
    m_sauver->setShortcut(QKeySequence::Save);
    connect(m_sauver, &QAction::triggered, m_files, &GameFileHandler::save);
    m_imprimer = add_item(m_fichier, "Imprimer1");
    m_imprimer->setShortcut(QKeySequence::Print);
    connect(m_imprimer, &QAction::triggered, m_files, &GameFileHandler::Imprimer1Click);
    QAction* creer_texte = add_item(m_fichier, "Crerunfichiertexte1");
    creer_texte->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(creer_texte, &QAction::triggered, m_files, &GameFileHandler::Crerunfichiertexte1Click);
    QAction* ouvrir_texte = add_item(m_fichier, "Ouvrirunfichiertexte1");
    ouvrir_texte->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(ouvrir_texte, &QAction::triggered, m_files,
            &GameFileHandler::Ouvrirunfichiertexte1Click);
    connect(add_item(m_fichier, "Problmes1"), &QAction::triggered, m_lessons,
            &LessonControls::Problmes1Click);
    m_installer = add_item(m_fichier, "Installeruneposition1");
    m_installer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    connect(m_installer, &QAction::triggered, this, &MainWindow::Installeruneposition1Click);
    m_fichier->addSeparator();
    m_quitter = add_item(m_fichier, "Quitter1");
    m_quitter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(m_quitter, &QAction::triggered, this, &MainWindow::quitter);

    m_edition = add_menu("Edition1");
    // The keys players expect for walking through the game.
    const std::pair<const char*, std::pair<Qt::Key, Command>> steps[] = {
        {"Reprendrecoups1", {Qt::Key_Left, command::Back{}}},
        {"Avancercoups1", {Qt::Key_Right, command::Forward{}}},
        {"Reveniraudbut1", {Qt::Key_Home, command::ToStart{}}},
        {"Allerlafin1", {Qt::Key_End, command::ToEnd{}}}};
    for (const auto& [key, step] : steps) {
        QAction* item = add_item(m_edition, key);
        item->setShortcut(QKeySequence(step.first));
        connect(item, &QAction::triggered, this, sends(step.second));
    }
    m_edition->addSeparator();
    connect(add_item(m_edition, "Copierposition1"), &QAction::triggered, m_files,
            &GameFileHandler::copier_position);
    QAction* copier_partie = add_item(m_edition, "Copierpartie1");
    copier_partie->setShortcut(QKeySequence::Copy);
    connect(copier_partie, &QAction::triggered, m_files, &GameFileHandler::copier_partie);
    QAction* coller = add_item(m_edition, "Coller1");
    coller->setShortcut(QKeySequence::Paste);
    connect(coller, &QAction::triggered, m_files, &GameFileHandler::coller);
    // Ctrl+Z and Escape have no menu item: a take-back of the last move pair
    // and putting a picked-up piece back.
    m_reprendre_paire = new QAction(this);
    m_reprendre_paire->setObjectName(QStringLiteral("ReprendrePaire"));
    m_reprendre_paire->setShortcut(QKeySequence::Undo);
    connect(m_reprendre_paire, &QAction::triggered, this, sends(command::TakeBack{}));
    addAction(m_reprendre_paire);
    auto* poser = new QAction(this);
    poser->setObjectName(QStringLiteral("PoserPiece"));
    poser->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(poser, &QAction::triggered, this, &MainWindow::poser_piece);
    addAction(poser);

    m_affichage = add_menu("Affichage1");
    m_inverser = add_item(m_affichage, "Inverserdamier1");
    m_inverser->setShortcut(QKeySequence(Qt::Key_F3));
    connect(m_inverser, &QAction::triggered, this, &MainWindow::Inverser);

    m_joueurs = add_menu("Joueurs1");
    connect(add_item(m_joueurs, "Inverserlesjoueurs1"), &QAction::triggered, this,
            sends(command::SwapPlayers{}));
    connect(add_item(m_joueurs, "Match21"), &QAction::triggered, m_players,
            &PlayerPanels::Match21Click);
    connect(add_item(m_joueurs, "Effacerunjoueur1"), &QAction::triggered, m_players,
            &PlayerPanels::Effacerunjoueur1Click);
    connect(add_item(m_joueurs, "Changerlesnoms1"), &QAction::triggered, m_players,
            &PlayerPanels::Changerlesnoms1Click);

    // The named levels first, then the timed ones and "Autre" under "Spécial".
    m_niveau = add_menu("Niveau1");
    auto* special = new QMenu(m_niveau);
    m_items.add("XSpecial1", special->menuAction());
    m_levels = new LevelMenu(m_niveau, special, add_item, this);
    m_niveau->addSeparator();
    m_niveau->addMenu(special);
    connect(m_levels, &LevelMenu::level_chosen, this,
            [this](const LevelParameters& level) { send(command::SetLevel{level}); });
    connect(m_levels, &LevelMenu::autre_requested, this, &MainWindow::N8Autre1Click);

    QMenu* options = add_menu("Options1");
    m_options = options;
    m_numeroter = add_item(options, "Numroterlescase1");
    m_numeroter->setCheckable(true);
    connect(m_numeroter, &QAction::triggered, this, &MainWindow::numerotation);
    m_pause1 = add_item(options, "Pause1");
    connect(m_pause1, &QAction::triggered, this, sends(command::StopThinking{}));
    m_horloges = add_item(options, "Horlogeszro1");
    connect(m_horloges, &QAction::triggered, this, sends(command::ClocksToZero{}));
    m_pause2 = add_item(options, "Pause2");
    m_pause2->setCheckable(true);
    connect(m_pause2, &QAction::triggered, this, sends(command::TogglePause{}));
    auto* tailles = new QMenu(options);
    m_items.add("Tailledestablesdetransposition1", tailles->menuAction());
    options->addMenu(tailles);
    auto* group = new QActionGroup(tailles);
    for (const TableSize& size : TABLE_SIZES) {
        // The captions are sizes, the same in every language.
        QAction* item = tailles->addAction(QString::fromUtf8(size.caption));
        item->setCheckable(true);
        item->setActionGroup(group);
        connect(item, &QAction::triggered, this,
                [this, setting = size.setting] { send(command::SetTableSize{setting}); });
        m_tailles.push_back(item);
    }
    options->addSeparator();
    // The toggles send the whole set of options; the controller holds them.
    m_reflexion = add_toggle(options, "Rflexionsurtempsadverse1", true);
    m_arret_clic = add_toggle(options, "Arretrflexionparclicsouris1", true);
    m_indication = add_toggle(options, "Indicationdesmouvements1", true);
    m_decomposer = add_toggle(options, "Dcomposerlesprises1", true);
    auto* sons = new QMenu(options);
    m_items.add("Bipchaquecoup1", sons->menuAction());
    options->addMenu(sons);
    m_bip = add_toggle(sons, "Bipchaquecoup2", true);
    m_autres = add_toggle(sons, "Commentaires1", true);

    m_parametrage = new ParametrageMenu(m_context, bar, m_session.engine().tables().repertoires,
                                        m_session.engine().tables().eval.parameters);
    connect(m_parametrage->bibliotheques(), &QAction::triggered, this, &MainWindow::send_options);
    connect(m_parametrage, &ParametrageMenu::editor_closed, m_board, qOverload<>(&QWidget::update));
    m_analysis = new AnalysisMenus(m_context, bar);

    QMenu* aide = add_menu("Aide1");
    connect(add_item(aide, "Guide1"), &QAction::triggered, this, &MainWindow::Guide1Click);
    connect(add_item(aide, "Rgles1"), &QAction::triggered, this, &MainWindow::Rgles1Click);
    aide->addSeparator();
    connect(add_item(aide, "Apropos1"), &QAction::triggered, this, &MainWindow::a_propos);

    m_langue_menu = add_menu("Langue1");
    auto* langues = new QActionGroup(m_langue_menu);
    for (const LanguageItem& l : LANGUAGE_ITEMS) {
        QAction* item = add_item(m_langue_menu, l.key);
        item->setCheckable(true);
        item->setActionGroup(langues);
        connect(item, &QAction::triggered, this,
                [this, langue = l.langue] { choisir_langue(langue); });
        m_langues[static_cast<std::size_t>(l.langue)] = item;
    }

    m_view3d->build_items({m_affichage, m_inverser, m_fichier, m_quitter, options});
    m_game_menus = {m_fichier, m_edition, m_affichage,          m_joueurs,
                    m_niveau,  options,   m_parametrage->menu()};
}

void MainWindow::wire_permissions() {
    const auto enable = [this](auto signal, auto... items) {
        connect(&m_permissions, signal, this,
                [items...](bool on) { (items->setEnabled(on), ...); });
    };
    enable(&PermissionSignals::files_allowed, m_fichier->menuAction());
    enable(&PermissionSignals::game_items_allowed, m_nouveau, m_hvh, m_sauver, m_imprimer, m_ouvrir,
           m_quitter);
    enable(&PermissionSignals::edition_allowed, m_edition->menuAction());
    connect(&m_permissions, &PermissionSignals::edition_items_allowed, this, [this](bool on) {
        for (QAction* item : m_edition->actions()) item->setEnabled(on);
    });
    enable(&PermissionSignals::navigation_allowed, m_reprendre_paire, m_navigation[0],
           m_navigation[1], m_navigation[2], m_navigation[3]);
    enable(&PermissionSignals::players_allowed, m_joueurs->menuAction());
    enable(&PermissionSignals::level_allowed, m_niveau->menuAction());
    enable(&PermissionSignals::parameters_allowed, m_parametrage->menu()->menuAction());
    enable(&PermissionSignals::analysis_allowed, m_analysis->analyse_menu()->menuAction(),
           m_analysis->apprentissage_menu()->menuAction());
    enable(&PermissionSignals::match_options_allowed, m_reflexion, m_horloges, m_pause1,
           m_arret_clic);
    enable(&PermissionSignals::position_editor_allowed, m_installer);
    connect(&m_permissions, &PermissionSignals::position_editor_allowed, this,
            [this](bool on) { m_pages->setTabEnabled(m_pages->indexOf(m_probleme), on); });
    enable(&PermissionSignals::offer_draw_allowed, m_proposernul,
           m_view3d->panel()->proposer_nul());
    connect(&m_permissions, &PermissionSignals::resign_offered, m_abandon1, &QWidget::setVisible);
    connect(&m_permissions, &PermissionSignals::resign_offered, m_view3d->panel()->abandon(),
            &QWidget::setVisible);
}

QAction* MainWindow::add_toggle(QMenu* menu, const char* key, bool checked) {
    QAction* item = m_items.add_toggle(menu, key, checked);
    connect(item, &QAction::triggered, this, &MainWindow::send_options);
    return item;
}

void MainWindow::build_game_area() {
    m_game_area = new QWidget(m_stack);
    auto* row = new BoardRowLayout(m_game_area,
                                   double(BoardView::LOGICAL_WIDTH) / BoardView::LOGICAL_HEIGHT);
    m_board = new BoardView(m_controller.game().damier_affiche, m_controller.input().frames,
                            m_display, m_images, m_game_area);
    connect(m_board, &BoardView::clicked, this, &MainWindow::clic);
    connect(m_board, &BoardView::animation_finished, this, [this] { m_loop.schedule(); });

    auto* column_widget = new QWidget(m_game_area);
    column_widget->setMinimumWidth(CLIENT_WIDTH - BoardView::LOGICAL_WIDTH);
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

    auto* pages = new FittedTabs(middle);
    auto* liste_page = new QWidget(pages);
    auto* liste_layout = new QVBoxLayout(liste_page);
    liste_layout->setContentsMargins(4, 4, 4, 4);
    m_liste = new QListWidget(liste_page);
    m_liste->setObjectName(QStringLiteral("ListeCoups"));
    m_liste->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The arrows, Home and End walk through the game, not the list's lines.
    m_liste->setFocusPolicy(Qt::NoFocus);
    connect(m_liste, &QListWidget::itemDoubleClicked, this, [this] {
        // A double click with no line selected is ignored.
        if (m_liste->currentRow() >= 0) send(command::ToLine{m_liste->currentRow()});
    });
    liste_layout->addWidget(m_liste);
    auto* buttons = new QHBoxLayout;
    const QStyle::StandardPixmap icons[] = {
        QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward, QStyle::SP_MediaSeekForward,
        QStyle::SP_MediaSkipForward};
    const Command commands[] = {command::ToStart{}, command::Back{}, command::Forward{},
                                command::ToEnd{}};
    for (int k = 0; k < 4; ++k) {
        m_navigation[k] = new QToolButton(liste_page);
        m_navigation[k]->setObjectName(QStringLiteral("Navigation%1").arg(k));
        m_navigation[k]->setIcon(style()->standardIcon(icons[k]));
        connect(m_navigation[k], &QToolButton::clicked, this, [this, c = commands[k]] { send(c); });
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
    build_problem_page();
    middle_layout->addWidget(pages, 1);

    auto* notice = new QHBoxLayout;
    const char* notice_names[] = {"Label29", "Label30", "Label31"};
    for (std::size_t k = 0; k < m_capture_notice.size(); ++k) {
        QLabel* l = m_capture_notice[k] = new QLabel(middle);
        l->setObjectName(QString::fromLatin1(notice_names[k]));
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
    // Two to a row: the four side by side would cut their captions.
    auto* play_row = new QGridLayout;
    play_row->setSpacing(4);
    QPushButton* joue = m_items.add_button(middle, "Joue");
    connect(joue, &QPushButton::clicked, this, [this] { send(command::StopThinking{}); });
    m_proposernul = m_items.add_button(middle, "Proposernul");
    connect(m_proposernul, &QPushButton::clicked, this, [this] { send(command::OfferDraw{}); });
    m_nulrefus = m_items.add_button(middle, "Nulrefus");
    m_nulrefus->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    connect(m_nulrefus, &QPushButton::clicked, this, [this] { send(command::OfferDraw{}); });
    m_nulrefus->hide();
    m_abandon1 = m_items.add_button(middle, "Abandon1");
    connect(m_abandon1, &QPushButton::clicked, this,
            [this] { ask_resign(this, langue_cochee(), [this] { send(command::Resign{}); }); });
    m_abandon1->hide();
    int place = 0;
    for (QPushButton* b : {joue, m_proposernul, m_nulrefus, m_abandon1}) {
        play_row->addWidget(b, place / 2, place % 2);
        ++place;
    }
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
    row->set_widgets(m_board, column_widget);

    m_fin_de_parties = new EndOfGamePanel(m_board);
    connect(m_fin_de_parties, &EndOfGamePanel::closed, this,
            [this] { send(command::CloseEndPanel{}); });
    m_panel9 = new AutrePanel(m_board);
    connect(m_panel9, &AutrePanel::accepted, this,
            [this](const LevelParameters& level) { send(command::SetLevel{level}); });
    connect(m_panel9, &AutrePanel::cancelled, m_board, qOverload<>(&QWidget::update));
    m_match_nul = new DrawOfferPanel(m_board);
    connect(m_match_nul, &DrawOfferPanel::accepted, this, [this] { send(command::AcceptDraw{}); });
    connect(m_match_nul->decline_button(), &QPushButton::clicked, this,
            [this] { send(command::DeclineDraw{}); });
    m_players = new PlayerPanels(m_context, m_board);
    connect(m_players, &PlayerPanels::cancelled, m_board, qOverload<>(&QWidget::update));
    connect(m_players, &PlayerPanels::game_starting, this, [this](int couleur_ordinateur) {
        // The computer playing White plays up the board, as the human did.
        if (m_display.damier_inverse != (couleur_ordinateur == WHITE)) Inverser();
    });
    std::vector<QWidget*> floating = {m_fin_de_parties, m_panel9, m_match_nul};
    for (QWidget* panel : m_players->panels()) floating.push_back(panel);
    m_view3d = new View3d(
        m_context, m_game_area, m_board, m_display,
        [this] { return !(m_controller.computer_thinking() && !m_indication->isChecked()); },
        floating);
    connect(m_view3d, &View3d::square_clicked, this,
            [this](int square) { send(command::SquareClicked{static_cast<Square>(square)}); });
    connect(m_view3d, &View3d::blind_play_started, this, [this] {
        m_arret_clic->setChecked(false);
        send_options();
    });
    Panel10* panel = m_view3d->panel();
    connect(panel->proposer_nul(), &QPushButton::clicked, this,
            [this] { send(command::OfferDraw{}); });
    connect(panel->nul_refuse(), &QPushButton::clicked, this,
            [this] { send(command::OfferDraw{}); });
    connect(panel->abandon(), &QPushButton::clicked, this,
            [this] { ask_resign(this, langue_cochee(), [this] { send(command::Resign{}); }); });
}

bool MainWindow::start_screen_shown() const {
    return m_stack->currentWidget() == m_intro;
}

void MainWindow::apply_captions(int langue) {
    m_items.apply(langue);
    // Beside the game's menus the four-language caption would not fit the bar;
    // the start screen, with no other menu, keeps it.
    if (!start_screen_shown()) m_langue_menu->setTitle(caption("Langue1_court", langue));
    m_game_area->findChild<FittedTabs*>(QStringLiteral("Liste"))
        ->set_tab_texts(
            {caption("Liste", langue), caption("Calcul", langue), caption("Probleme0", langue)});
    m_probleme->set_captions(langue);
    m_calcul->set_captions(langue);
    for (QLabel* l : m_capture_notice) l->setText(caption(l->objectName().toStdString(), langue));
    for (int k = 0; k < 4; ++k) m_navigation[k]->setToolTip(texte(NAVIGATION_HINTS[k], langue));
    m_zut->setText(caption("Zut", langue));
    m_panel9->set_captions(langue);
    m_match_nul->set_captions(langue);
    m_players->set_captions(langue);
    m_view3d->panel()->set_captions(langue);
    m_speedbutton3->setToolTip(texte(INVERSER_HINT, langue));
    m_lessons->set_captions(langue);
    m_parametrage->set_captions(langue);
    setWindowTitle(window_title(langue, start_screen_shown() ? -1 : m_view3d->board_shown()));
}

} // namespace selvako
