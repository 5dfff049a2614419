#include "ui/view3d/view_3d.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QMenu>

#include <algorithm>
#include <span>

#include "files/atomic_file.h"
#include "ui/board3d/positions_3d.h"
#include "ui/i18n/captions.h"
#include "ui/i18n/file_texts.h"
#include "ui/i18n/shown_texts.h"
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

View3d::View3d(const WindowContext& context, QWidget* game_area, BoardView* board,
               const DisplayState& display, std::function<bool()> marks_shown,
               std::vector<QWidget*> floating)
    : QObject(context.window), m_context(context), m_board(board), m_display(display),
      m_floating(std::move(floating)) {
    auto* image = new Board3dView([board]() -> const BoardArray& { return board->shown_board(); },
                                  context.controller.input().frames, display, m_theme_images,
                                  std::move(marks_shown));
    m_panel10 = new Panel10(image, game_area);
    m_panel10->move(0, 0);
    m_panel10->hide();
    connect(image, &Board3dView::clicked, this, &View3d::clic_3d);
    connect(board, &BoardView::shown_board_changed, image, qOverload<>(&QWidget::update));
}

void View3d::build_items(const View3dMenus& menus) {
    CaptionedItems& items = m_context.items;
    m_damier2d = items.add_item(menus.affichage, "Damier2D1");
    m_damier2d->setCheckable(true);
    menus.affichage->insertAction(menus.before_inverser, m_damier2d);
    connect(m_damier2d, &QAction::triggered, this, &View3d::Damier2D1Click);
    for (const int theme : MENU_ORDER) {
        QAction* item = items.add_item(menus.affichage, THEMES_3D[theme - 1].menu_item);
        item->setCheckable(true);
        menus.affichage->insertAction(menus.before_inverser, item);
        connect(item, &QAction::triggered, this, [this, theme] { choisir_theme(theme); });
        m_damier3d[theme - 1] = item;
    }
    menus.affichage->insertSeparator(menus.before_inverser);
    m_damier3d[0]->setChecked(true);

    m_editer_image = items.add_item(menus.fichier, "Editerlimagefichierbmp1");
    m_editer_image->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    menus.fichier->insertAction(menus.before_quitter, m_editer_image);
    m_editer_image->setEnabled(false);
    connect(m_editer_image, &QAction::triggered, this, &View3d::Editerlimagefichierbmp1Click);

    m_aveugle = items.add_item(menus.options, "Jeuenaveugle1");
    m_aveugle->setCheckable(true);
    m_aveugle->setEnabled(false);
    connect(m_aveugle, &QAction::triggered, this, &View3d::Jeuenaveugle1Click);
}

void View3d::check_theme_availability() {
    // A theme chosen must never stop half loaded.
    for (int theme = 1; theme <= THEME_COUNT; ++theme)
        m_damier3d[theme - 1]->setEnabled(
            ThemeImages::missing_files(m_context.config.data_dir, theme).isEmpty());
}

void View3d::report_missing(const QStringList& files) {
    m_context.errors.report(texte(IMAGES_INTROUVABLES, m_context.langue()) + QLatin1Char(' ') +
                            names_of(files));
}

void View3d::host_board_panels(QWidget* host) {
    // Under the 3D view the panels over the 2D board could be neither seen nor used.
    for (QWidget* panel : m_floating) {
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

void View3d::check_board_item(int board) {
    m_damier2d->setChecked(board == 0);
    for (int theme = 1; theme <= THEME_COUNT; ++theme)
        m_damier3d[theme - 1]->setChecked(board == theme);
    m_context.window->setWindowTitle(window_title(m_context.langue(), board));
}

int View3d::show_start_theme(int theme) {
    const int shown = m_damier3d[theme - 1]->isEnabled() ? theme : 1;
    if (!m_damier3d[shown - 1]->isEnabled()) {
        // Not even Classique can be shown: the 2D board, and the user is told why.
        report_missing(ThemeImages::missing_files(m_context.config.data_dir, theme));
        Damier2D1Click();
        return 0;
    }
    if (!choisir_theme(shown)) {
        Damier2D1Click();
        return 0;
    }
    return shown;
}

bool View3d::choisir_theme(int theme) {
    if (theme < 1 || theme > THEME_COUNT || !m_damier3d[theme - 1]->isEnabled()) {
        check_board_item(m_board_shown);
        return false;
    }
    const QStringList failed = m_theme_images.apply(
        m_context.config.data_dir, plan_theme_change(m_theme_images.theme_3d(), theme));
    if (!failed.isEmpty()) {
        check_board_item(m_board_shown);
        report_missing(failed);
        return false;
    }
    m_board_shown = theme;
    check_board_item(theme);
    m_aveugle->setEnabled(true);
    m_editer_image->setEnabled(true);
    m_panel10->show();
    m_panel10->raise();
    host_board_panels(m_panel10->image());
    refresh(m_kind);
    return true;
}

void View3d::Damier2D1Click() {
    m_panel10->hide();
    host_board_panels(m_board);
    // Classique's sprites come back, so that Classique and Nuit load none later.
    const QStringList failed =
        m_theme_images.apply(m_context.config.data_dir, plan_board_2d(m_theme_images.theme_3d()));
    if (!failed.isEmpty()) report_missing(failed);
    m_board_shown = 0;
    check_board_item(0);
}

void View3d::refresh(const QString& kind) {
    // Kept for the theme chosen later.
    m_kind = kind;
    if (!m_panel10->isVisible()) return;
    const GameState& g = m_context.controller.game();
    const int langue = m_context.langue();
    m_panel10->set_names(shown_name(g.nom_noir, BLACK, langue),
                         shown_name(g.nom_blanc, WHITE, langue));
    const PieceCounts counts = count_pieces(g.damier_affiche);
    m_panel10->set_counts(counts[BLACK_MAN] + counts[BLACK_KING],
                          counts[WHITE_MAN] + counts[WHITE_KING]);
    m_panel10->set_move_number(g.num_demi_coup / 2 + 1);
    m_panel10->set_kind(kind);
    const GameNotices& notices = m_context.controller.notices();
    m_panel10->set_capture_notice(notices.capture);
    m_panel10->nul_refuse()->setVisible(notices.draw_refused);
    m_panel10->image()->update();
}

void View3d::computer_moved(Square to) {
    if (m_panel10->image()->blind()) m_panel10->image()->reveal({to});
}

void View3d::clic_3d(int x, int y) {
    if (m_board->animating()) return;
    // In blind play a click wipes the pieces shown since the last one.
    if (m_panel10->image()->blind()) m_panel10->image()->reveal({});
    const Square s = square_from_3d_click(x, y, m_display.damier_inverse);
    if (s != 0) emit square_clicked(s);
}

void View3d::Jeuenaveugle1Click() {
    const bool on = m_aveugle->isChecked();
    m_panel10->image()->set_blind(on);
    if (on) emit blind_play_started();
}

void View3d::Editerlimagefichierbmp1Click() {
    QFileDialog dialog(m_context.window, caption("Editerlimagefichierbmp1", m_context.langue()),
                       m_context.user_path(QStringLiteral("*.bmp")),
                       QStringLiteral("Picture (*.bmp *.BMP)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        editer_image(dialog.selectedFiles().first());
}

bool View3d::editer_image(const QString& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool encoded = m_panel10->image()->image().save(&buffer, "BMP");
    const auto* encoded_bytes = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    if (!encoded ||
        !write_file_atomically(
            path.toStdString(),
            std::span<const std::uint8_t>(encoded_bytes, static_cast<std::size_t>(bytes.size())))) {
        m_context.errors.report(texte(IMPOSSIBLE_ECRIRE, m_context.langue()) +
                                QStringLiteral(" : ") + QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}

} // namespace selvako
