// "Imprimer": the score sheet of the game through the print dialog.

#include <QPrintDialog>
#include <QPrinter>

#include "files/print_layout.h"
#include "game/game_import.h"
#include "ui/i18n/captions.h"
#include "ui/print/score_sheet_print.h"
#include "ui/window/main_window.h"
#include "ui/window/window_texts.h"

namespace selvako {

ScoreSheet MainWindow::feuille_de_partie() const {
    const GameState& g = m_controller.game();
    ScoreSheet sheet;
    sheet.title = QString::fromStdString(name_text(g.nom_blanc)) + QStringLiteral("-") +
                  QString::fromStdString(name_text(g.nom_noir));
    for (const std::string& line : score_sheet_lines(g.liste_coups.lines))
        sheet.lines << QString::fromStdString(line);
    // The game's last position, whichever ply is on show.
    const PlayedGame played = played_game(g);
    sheet.final_position = played.record[played.plies].board;
    return sheet;
}

bool MainWindow::imprimer(QPrinter& printer) {
    if (print_score_sheet(printer, feuille_de_partie()).printed) return true;
    report_error(texte(IMPRESSION_IMPOSSIBLE, langue_cochee()));
    return false;
}

void MainWindow::Imprimer1Click() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(caption("Imprimer1", langue_cochee()));
    if (dialog.exec() == QDialog::Accepted) imprimer(printer);
}

} // namespace selvako
