// "Imprimer": the score sheet of the game through the print dialog.

#include <QPrintDialog>
#include <QPrinter>

#include "ui/i18n/captions.h"
#include "ui/print/game_score_sheet.h"
#include "ui/window/main_window.h"
#include "ui/window/window_texts.h"

namespace selvako {

ScoreSheet MainWindow::feuille_de_partie() const {
    return game_score_sheet(m_controller.game(), langue_cochee());
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
