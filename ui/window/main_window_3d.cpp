// The 3D view in the window: the theme items of "Affichage", blind play,
// saving the picture, the themes offered at start-up, and clicks on the
// picture, which reach the game as clicks on the 2D board's squares.

#include <QBuffer>
#include <QFileDialog>
#include <QMenu>

#include <algorithm>

#include "files/atomic_file.h"
#include "files/game_file.h"
#include "ui/board3d/positions_3d.h"
#include "ui/i18n/captions.h"
#include "ui/i18n/file_texts.h"
#include "ui/i18n/shown_texts.h"
#include "ui/panels/resign_question.h"
#include "ui/window/main_window.h"
#include "ui/window/window_texts.h"

namespace selvako {

namespace {

// The order of the board items in "Affichage".
constexpr int MENU_ORDER[] = {1, 4, 2, 3, 5, 6, 7, 8};

QString names_of(const QStringList& files) {
    // One message, however many files are missing: the first few by name.
    constexpr int SHOWN = 3;
    QString text = files.mid(0, SHOWN).join(QStringLiteral(", "));
    if (files.size() > SHOWN) text += QStringLiteral(" (+%1)").arg(files.size() - SHOWN);
    return text;
}

} // namespace

void MainWindow::build_3d_view() {
    auto* image = new Board3dView(
        [this]() -> const BoardArray& { return m_board->shown_board(); },
        m_controller.input().frames, m_display, m_theme_images,
        [this] { return !(m_controller.computer_thinking() && !m_indication->isChecked()); });
    m_panel10 = new Panel10(image, m_game_area);
    m_panel10->move(0, 0);
    m_panel10->hide();
    connect(image, &Board3dView::clicked, this, &MainWindow::clic_3d);
    connect(m_board, &BoardView::shown_board_changed, image, qOverload<>(&QWidget::update));
    connect(m_panel10->proposer_nul(), &QPushButton::clicked, this,
            [this] { send(command::OfferDraw{}); });
    connect(m_panel10->nul_refuse(), &QPushButton::clicked, this,
            [this] { send(command::OfferDraw{}); });
    connect(m_panel10->abandon(), &QPushButton::clicked, this,
            [this] { ask_resign(this, langue_cochee(), [this] { send(command::Resign{}); }); });
}

void MainWindow::build_3d_items(QMenu* affichage, QMenu* options) {
    m_damier2d = add_item(affichage, "Damier2D1");
    m_damier2d->setCheckable(true);
    affichage->insertAction(m_inverser, m_damier2d);
    connect(m_damier2d, &QAction::triggered, this, &MainWindow::Damier2D1Click);
    for (const int theme : MENU_ORDER) {
        QAction* item = add_item(affichage, THEMES_3D[theme - 1].menu_item);
        item->setCheckable(true);
        affichage->insertAction(m_inverser, item);
        connect(item, &QAction::triggered, this, [this, theme] { choisir_theme(theme); });
        m_damier3d[theme - 1] = item;
    }
    affichage->insertSeparator(m_inverser);
    m_damier3d[0]->setChecked(true);

    m_editer_image = add_item(m_fichier, "Editerlimagefichierbmp1");
    m_editer_image->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    m_fichier->insertAction(m_quitter, m_editer_image);
    m_editer_image->setEnabled(false);
    connect(m_editer_image, &QAction::triggered, this, &MainWindow::Editerlimagefichierbmp1Click);

    m_aveugle = add_item(options, "Jeuenaveugle1");
    m_aveugle->setCheckable(true);
    m_aveugle->setEnabled(false);
    connect(m_aveugle, &QAction::triggered, this, &MainWindow::Jeuenaveugle1Click);
}

void MainWindow::check_theme_availability() {
    // A theme is offered only when every one of its files can be read: a
    // theme chosen must never stop half loaded.
    for (int theme = 1; theme <= THEME_COUNT; ++theme)
        m_damier3d[theme - 1]->setEnabled(
            ThemeImages::missing_files(m_config.data_dir, theme).isEmpty());
}

void MainWindow::host_board_panels(QWidget* host) {
    // The panels that float over the board (end of game, draw offer, new
    // game, players, level) go with the view that is shown: under the 3D
    // view they could be neither seen nor used.
    const std::array<QWidget*, 7> panels = {m_fin_de_parties, m_panel9,   m_match_nul,
                                            m_nouvelle_partie, m_nouveau_joueur, m_efface_j,
                                            m_joueurs_panel};
    for (QWidget* panel : panels) {
        if (panel->parentWidget() == host) continue;
        const bool shown = !panel->isHidden();
        const QPoint centre = panel->geometry().center();
        panel->setParent(host);
        if (!shown) continue;
        panel->move(std::clamp(centre.x() - panel->width() / 2, 0,
                               std::max(0, host->width() - panel->width())),
                    std::clamp(centre.y() - panel->height() / 2, 0,
                               std::max(0, host->height() - panel->height())));
        panel->show();
        panel->raise();
    }
}

void MainWindow::check_board_item(int board) {
    m_damier2d->setChecked(board == 0);
    for (int theme = 1; theme <= THEME_COUNT; ++theme)
        m_damier3d[theme - 1]->setChecked(board == theme);
    setWindowTitle(window_title(langue_cochee(), board));
}

bool MainWindow::choisir_damier_3d(int theme, bool restore_last) {
    if (m_startup_done || theme < 1 || theme > THEME_COUNT) return false;
    Introduction();
    int shown = m_damier3d[theme - 1]->isEnabled() ? theme : 1;
    if (!m_damier3d[shown - 1]->isEnabled()) {
        // Not even Classique can be shown: the 2D board, and the user is told why.
        report_error(texte(IMAGES_INTROUVABLES, langue_cochee()) + QLatin1Char(' ') +
                     names_of(ThemeImages::missing_files(m_config.data_dir, theme)));
        Damier2D1Click();
        shown = 0;
    } else if (!choisir_theme(shown)) {
        Damier2D1Click();
        shown = 0;
    }
    if (restore_last) send(command::RestoreLastGame{});
    return shown == theme;
}

bool MainWindow::choisir_theme(int theme) {
    if (theme < 1 || theme > THEME_COUNT || !m_damier3d[theme - 1]->isEnabled()) {
        check_board_item(m_board_shown);
        return false;
    }
    const QStringList failed = m_theme_images.apply(
        m_config.data_dir, plan_theme_change(m_theme_images.theme_3d(), theme));
    if (!failed.isEmpty()) {
        check_board_item(m_board_shown);
        report_error(texte(IMAGES_INTROUVABLES, langue_cochee()) + QLatin1Char(' ') +
                     names_of(failed));
        return false;
    }
    m_board_shown = theme;
    check_board_item(theme);
    m_aveugle->setEnabled(true);
    m_editer_image->setEnabled(true);
    m_panel10->show();
    m_panel10->raise();
    host_board_panels(m_panel10->image());
    refresh_3d();
    return true;
}

void MainWindow::Damier2D1Click() {
    m_panel10->hide();
    host_board_panels(m_board);
    // Classique's sprites come back, so that Classique and Nuit load none later.
    const QStringList failed =
        m_theme_images.apply(m_config.data_dir, plan_board_2d(m_theme_images.theme_3d()));
    if (!failed.isEmpty())
        report_error(texte(IMAGES_INTROUVABLES, langue_cochee()) + QLatin1Char(' ') +
                     names_of(failed));
    m_board_shown = 0;
    check_board_item(0);
    m_numeroter->setEnabled(true);
}

void MainWindow::refresh_3d() {
    if (!m_panel10->isVisible()) return;
    const GameState& g = m_controller.game();
    m_panel10->set_names(shown_name(g.nom_noir, BLACK, langue_cochee()),
                         shown_name(g.nom_blanc, WHITE, langue_cochee()));
    const PieceCounts counts = count_pieces(g.damier_affiche);
    m_panel10->set_counts(counts[BLACK_MAN] + counts[BLACK_KING],
                          counts[WHITE_MAN] + counts[WHITE_KING]);
    m_panel10->set_move_number(g.num_demi_coup / 2 + 1);
    if (g.mode_match != MatchMode::none)
        m_panel10->set_kind(caption("Match1", langue_cochee()));
    else if (!m_controller.options().humain_contre_humain)
        m_panel10->set_kind(texte(ENTRAINEMENT, langue_cochee()));
    else
        m_panel10->set_kind(caption("Humain", langue_cochee()));
    const GameNotices& notices = m_controller.notices();
    m_panel10->set_capture_notice(notices.capture);
    m_panel10->nul_refuse()->setVisible(notices.draw_refused);
    m_panel10->abandon()->setVisible(m_abandon1->isVisibleTo(m_abandon1->parentWidget()));
    m_panel10->proposer_nul()->setEnabled(m_proposernul->isEnabled());
    m_panel10->image()->update();
}

void MainWindow::clic_3d(int x, int y) {
    if (!m_startup_done || m_board->animating()) return;
    // In blind play a click wipes the pieces shown since the last one.
    if (m_panel10->image()->blind()) m_panel10->image()->reveal({});
    const Square s = square_from_3d_click(x, y, m_display.damier_inverse);
    if (s == 0) return;
    send(command::SquareClicked{s});
}

void MainWindow::Jeuenaveugle1Click() {
    const bool on = m_aveugle->isChecked();
    m_panel10->image()->set_blind(on);
    if (on) {
        m_arret_clic->setChecked(false);
        send_options();
    }
}

void MainWindow::Editerlimagefichierbmp1Click() {
    QFileDialog dialog(this, caption("Editerlimagefichierbmp1", langue_cochee()),
                       user_path(QStringLiteral("*.bmp")), QStringLiteral("Picture (*.bmp *.BMP)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        editer_image(dialog.selectedFiles().first());
}

bool MainWindow::editer_image(const QString& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool encoded = m_panel10->image()->image().save(&buffer, "BMP");
    const auto* encoded_bytes = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    if (!encoded ||
        !write_file_atomically(path.toStdString(),
                               std::span<const std::uint8_t>(encoded_bytes, static_cast<std::size_t>(bytes.size())))) {
        report_error(texte(IMPOSSIBLE_ECRIRE, langue_cochee()) + QStringLiteral(" : ") +
                     QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}

} // namespace selvako
