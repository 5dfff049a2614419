// The "Probleme" tab and "Installer une position": the set-up editor's
// buttons wired to the controller's commands.

#include <QDir>
#include <QTabWidget>

#include "ui/view3d/view_3d.h"
#include "ui/window/main_window.h"

namespace selvako {

void MainWindow::build_problem_page() {
    m_probleme =
        new ProblemPage(QDir(m_config.data_dir).filePath(QStringLiteral("Images1")), m_pages);
    m_pages->addTab(m_probleme, QString());
    connect(m_probleme, &ProblemPage::piece_chosen, this,
            [this](int piece) { send(command::ChoosePiece{static_cast<std::uint8_t>(piece)}); });
    connect(m_probleme, &ProblemPage::empty_board, this, [this] { send(command::EmptyBoard{}); });
    connect(m_probleme, &ProblemPage::fill_board, this, [this] {
        send(command::FillBoard{});
        // The start position is shown the normal way up.
        if (m_display.damier_inverse) Inverser();
        refresh();
    });
    connect(m_probleme, &ProblemPage::change_direction, this, [this] {
        send(command::ChangeDirection{});
        // The board was mirrored: turning the view over keeps the picture.
        if (m_controller.editor().refusal == EditorRefusal::none) Inverser();
        refresh();
    });
    connect(m_probleme, &ProblemPage::change_computer_colour, this,
            [this] { send(command::ChangeComputerColour{}); });
    connect(m_probleme, &ProblemPage::change_first_mover, this,
            [this] { send(command::ChangeFirstMover{}); });
    connect(m_probleme, &ProblemPage::paste_fen, this,
            [this](const QString& text) { send(command::PasteFen{text.toStdString()}); });
    connect(m_pages, &QTabWidget::currentChanged, this, &MainWindow::OngletChange);
}

void MainWindow::OngletChange(int index) {
    const int problem = m_pages->indexOf(m_probleme);
    if (index != problem) {
        m_previous_tab = index;
        if (m_controller.game().mode_edition) send(command::SetUpMode{false});
        return;
    }
    // No set-up during a match or while the computer thinks: back to the page left.
    if (!m_controller.permissions().position_editor) {
        m_pages->setCurrentIndex(m_previous_tab);
        return;
    }
    send(command::SetUpMode{true});
}

void MainWindow::Installeruneposition1Click() {
    const int problem = m_pages->indexOf(m_probleme);
    // The position is set up on the 2D board, whatever board was shown.
    if (m_view3d->board_shown() != 0) m_view3d->Damier2D1Click();
    if (m_pages->currentIndex() == problem) {
        // Again: the set-up ends and the move list comes back.
        m_pages->setCurrentIndex(m_previous_tab == problem ? 0 : m_previous_tab);
        return;
    }
    m_pages->setCurrentIndex(problem);
}

void MainWindow::show_problem_page() {
    if (!m_probleme) return;
    const GameState& g = m_controller.game();
    m_probleme->show_state(m_controller.editor(), g.couleur_ordinateur, m_display.damier_inverse);
    // Set-up mode ended by the controller (or refused): the tab follows.
    if (!g.mode_edition && !m_controller.searching() &&
        m_pages->currentIndex() == m_pages->indexOf(m_probleme))
        m_pages->setCurrentIndex(m_previous_tab);
}

} // namespace selvako
