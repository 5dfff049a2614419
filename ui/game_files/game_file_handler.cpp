#include "ui/game_files/game_file_handler.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>

#include "files/atomic_file.h"
#include "files/game_file.h"
#include "files/pdn_file.h"
#include "files/text_game_file.h"
#include "game/clipboard_text.h"
#include "game/game_import.h"
#include "ui/i18n/captions.h"
#include "ui/i18n/file_texts.h"
#include "ui/panels/game_chooser.h"
#include "ui/print/game_score_sheet.h"
#include "ui/print/score_sheet_print.h"
#include "ui/window/window_texts.h"

namespace selvako {

namespace {

bool is_pdn(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("pdn"), Qt::CaseInsensitive) == 0;
}

} // namespace

GameFileHandler::GameFileHandler(const WindowContext& context)
    : QObject(context.window), m_context(context) {}

bool GameFileHandler::ouvrir_fichier(const QString& path) {
    const auto image = read_game_file(path.toStdString());
    if (!image) {
        m_context.errors.report_refusal(image.refusal);
        return false;
    }
    m_context.send(command::Open{*image});
    return true;
}

bool GameFileHandler::sauver_fichier(const QString& path) {
    return m_context.send_file_command(command::Save{path.toStdString()});
}

bool GameFileHandler::ecrire_fichier_texte(const QString& path) {
    const GameState& g = m_context.controller.game();
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
    m_context.errors.report(texte(IMPOSSIBLE_OUVRIR, m_context.langue()));
    return false;
}

bool GameFileHandler::lire_fichier_texte(const QString& path) {
    const TextFileRead read = read_text_file(path.toStdString());
    if (!read.ok()) {
        m_context.errors.report_refusal(*read.refusal);
        return false;
    }
    return charger_parties(is_pdn(path) ? read_pdn_games(read.text) : read_text_games(read.text));
}

bool GameFileHandler::charger_parties(const GameTextFile& file) {
    if (!file.error.empty() || file.games.empty()) {
        m_context.errors.report(texte(IMPOSSIBLE_OUVRIR, m_context.langue()));
        return false;
    }
    std::size_t chosen = 0;
    if (file.games.size() > 1) {
        QStringList lines;
        for (std::size_t k = 0; k < file.games.size(); ++k)
            lines << QString::fromStdString(chooser_line(k, file.games[k]));
        GameChooser chooser(m_context.window, lines);
        if (chooser.exec() != QDialog::Accepted || chooser.chosen() < 0) return false;
        chosen = static_cast<std::size_t>(chooser.chosen());
    }
    m_context.send(command::LoadGame{file.games[chosen]});
    return true;
}

void GameFileHandler::copier_position() {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(position_fen(m_context.controller.game())));
}

void GameFileHandler::copier_partie() {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(game_pdn(m_context.controller.game())));
}

bool GameFileHandler::coller() {
    return coller_texte(QGuiApplication::clipboard()->text().toStdString());
}

bool GameFileHandler::coller_texte(const std::string& text) {
    const GameTextFile file = read_clipboard_text(text, m_context.controller.game());
    if (!file.error.empty() || file.games.empty()) {
        m_context.errors.report(texte(PRESSE_PAPIERS_ILLISIBLE, m_context.langue()));
        return false;
    }
    return charger_parties(file);
}

bool GameFileHandler::imprimer(QPrinter& printer) {
    const ScoreSheet sheet = game_score_sheet(m_context.controller.game(), m_context.langue());
    if (print_score_sheet(printer, sheet).printed) return true;
    m_context.errors.report(texte(IMPRESSION_IMPOSSIBLE, m_context.langue()));
    return false;
}

QString GameFileHandler::ask_file(const char* item, const Traductions& filter,
                                  const QString& save_suffix) {
    QFileDialog dialog(m_context.window, caption(item, m_context.langue()),
                       m_context.user_path(QStringLiteral("Sauve")),
                       texte(filter, m_context.langue()));
    if (save_suffix.isEmpty()) {
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(save_suffix);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

void GameFileHandler::ouvre() {
    const QString path = ask_file("Ouvrir1", FILTRE_PARTIES, {});
    if (!path.isEmpty()) ouvrir_fichier(path);
}

void GameFileHandler::save() {
    const QString path = ask_file("Sauver1", FILTRE_PARTIES, QStringLiteral("dam"));
    if (!path.isEmpty()) sauver_fichier(path);
}

void GameFileHandler::Crerunfichiertexte1Click() {
    const QString path = ask_file("Crerunfichiertexte1", FILTRE_ECRITURE, QStringLiteral("txt"));
    if (!path.isEmpty()) ecrire_fichier_texte(path);
}

void GameFileHandler::Ouvrirunfichiertexte1Click() {
    const QString path = ask_file("Ouvrirunfichiertexte1", FILTRE_LECTURE, {});
    if (!path.isEmpty()) lire_fichier_texte(path);
}

void GameFileHandler::Imprimer1Click() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, m_context.window);
    dialog.setWindowTitle(caption("Imprimer1", m_context.langue()));
    if (dialog.exec() == QDialog::Accepted) imprimer(printer);
}

} // namespace selvako
