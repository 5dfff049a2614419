// "Créer un fichier texte" and "Ouvrir un fichier texte": the score sheet as
// text or PDN, and games read back from either.

#include <QFileDialog>
#include <QFileInfo>

#include "files/atomic_file.h"
#include "files/pdn_file.h"
#include "files/text_game_file.h"
#include "game/game_import.h"
#include "ui/i18n/captions.h"
#include "ui/i18n/file_texts.h"
#include "ui/panels/game_chooser.h"
#include "ui/window/main_window.h"

namespace selvako {

namespace {

bool is_pdn(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("pdn"), Qt::CaseInsensitive) == 0;
}

} // namespace

bool MainWindow::ecrire_fichier_texte(const QString& path) {
    const GameState& g = m_controller.game();
    const std::string white = name_text(g.nom_blanc);
    const std::string black = name_text(g.nom_noir);
    std::string text;
    if (is_pdn(path)) {
        PdnTags tags;
        tags.white = white;
        tags.black = black;
        tags.result = g.dernier_resultat;
        text = pdn_game(tags, played_game(g));
    } else {
        text = text_game(white, black, g.dernier_resultat, played_game(g));
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    if (write_file_atomically(path.toStdString(), {bytes, text.size()})) return true;
    report_error(texte(IMPOSSIBLE_OUVRIR, langue_cochee()));
    return false;
}

bool MainWindow::lire_fichier_texte(const QString& path) {
    const TextFileRead read = read_text_file(path.toStdString());
    if (!read.ok()) {
        report_refusal(*read.refusal);
        return false;
    }
    return charger_parties(is_pdn(path) ? read_pdn_games(read.text) : read_text_games(read.text));
}

bool MainWindow::charger_parties(const GameTextFile& file) {
    if (!file.error.empty() || file.games.empty()) {
        report_error(texte(IMPOSSIBLE_OUVRIR, langue_cochee()));
        return false;
    }
    std::size_t chosen = 0;
    if (file.games.size() > 1) {
        QStringList lines;
        for (std::size_t k = 0; k < file.games.size(); ++k)
            lines << QString::fromStdString(chooser_line(k, file.games[k]));
        GameChooser chooser(this, lines);
        if (chooser.exec() != QDialog::Accepted || chooser.chosen() < 0) return false;
        chosen = static_cast<std::size_t>(chooser.chosen());
    }
    m_board->stop_animation();
    send(command::LoadGame{file.games[chosen]});
    return true;
}

void MainWindow::Crerunfichiertexte1Click() {
    QFileDialog dialog(this, caption("Crerunfichiertexte1", langue_cochee()),
                       user_path(QStringLiteral("Sauve")), texte(FILTRE_ECRITURE, langue_cochee()));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        ecrire_fichier_texte(dialog.selectedFiles().first());
}

void MainWindow::Ouvrirunfichiertexte1Click() {
    QFileDialog dialog(this, caption("Ouvrirunfichiertexte1", langue_cochee()),
                       user_path(QStringLiteral("Sauve")), texte(FILTRE_LECTURE, langue_cochee()));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        lire_fichier_texte(dialog.selectedFiles().first());
}

} // namespace selvako
