// The Edition menu's clipboard: the position as FEN, the game as PDN, and a
// FEN or PDN game pasted from elsewhere.

#include <QClipboard>
#include <QGuiApplication>

#include "game/clipboard_text.h"
#include "ui/i18n/captions.h"
#include "ui/window/main_window.h"
#include "ui/window/window_texts.h"

namespace selvako {

void MainWindow::copier_position() {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(position_fen(m_controller.game())));
}

void MainWindow::copier_partie() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(game_pdn(m_controller.game())));
}

bool MainWindow::coller() {
    return coller_texte(QGuiApplication::clipboard()->text().toStdString());
}

bool MainWindow::coller_texte(const std::string& text) {
    const GameTextFile file = read_clipboard_text(text, m_controller.game());
    if (!file.error.empty() || file.games.empty()) {
        report_error(texte(PRESSE_PAPIERS_ILLISIBLE, langue_cochee()));
        return false;
    }
    return charger_parties(file);
}

} // namespace selvako
