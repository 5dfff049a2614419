// The "Paramétrage" menu: whether the computer follows the opening
// repertoires, the two repertoire editors and the libraries, and the
// evaluation parameters with their editor and files. The lists and the
// parameters are the engine's; the controller changes them, by the commands
// sent here, only once the files they come from or go to have been read or
// written.

#include <QFileDialog>

#include "eval/eval_state.h"
#include "search/engine_tables.h"
#include "ui/window/active_library.h"
#include "ui/i18n/file_texts.h"
#include "ui/i18n/captions.h"
#include "ui/i18n/file_texts.h"
#include "ui/window/main_window.h"

namespace selvako {

void MainWindow::build_parametrage_menu() {
    m_parametrage = add_menu("Ouvertures1");
    m_bibliotheques = add_toggle(m_parametrage, "Bibliothquesactives1", true);
    QAction* changer = add_item(m_parametrage, "Changerbibliothqueouvertures1");
    connect(changer, &QAction::triggered, this, &MainWindow::Changerbibliothqueouvertures1Click);
    connect(add_item(m_parametrage, "Ouverturespourlesblancs1"), &QAction::triggered, this,
            [this] { ouvrir_repertoire(WHITE); });
    connect(add_item(m_parametrage, "Ouverturespourlesnoirs1"), &QAction::triggered, this,
            [this] { ouvrir_repertoire(BLACK); });
    m_parametrage->addSeparator();
    connect(add_item(m_parametrage, "Changerlesparamtres1"), &QAction::triggered, this, [this] {
        m_parametres->set_captions(langue_cochee());
        m_parametres->Changer1Click();
    });
    connect(add_item(m_parametrage, "Sauverlesparamtres1"), &QAction::triggered, this,
            &MainWindow::Sauverlesparamtres1Click);
    connect(add_item(m_parametrage, "Chargerdesparamtres1"), &QAction::triggered, this,
            &MainWindow::Chargerdesparamtres1Click);

    const RepertoireFolders folders{m_config.user_dir.toStdString(),
                                    user_path(QStringLiteral("Parametres")).toStdString()};
    const Repertoires& lists = m_engine.tables().repertoires;
    m_form2 = new RepertoireEditor(WHITE, lists, folders, this);
    m_form3 = new RepertoireEditor(BLACK, lists, folders, this);
    for (RepertoireEditor* editor : {m_form2, m_form3}) {
        editor->report_file_error = [this] {
            report_error(texte(IMPOSSIBLE_OUVRIR, langue_cochee()));
        };
        editor->ask_library_name = [this] {
            return ask_file(QFileDialog::AcceptSave, caption("BitBtn1_Ouvertures", langue_cochee()),
                            QStringLiteral("*.ovv"), texte(FILTRE_OUVERTURES, langue_cochee()),
                            QStringLiteral("ovv"));
        };
        editor->adopt = [this](int side, const RepertoireLines& lines) {
            send(command::SetRepertoire{static_cast<std::uint8_t>(side), lines});
        };
        connect(editor, &QDialog::finished, this, [this] { m_board->update(); });
    }
    m_parametres = new ParameterEditor(m_engine.tables().eval.parameters, this);
    add_active_library_item(m_parametrage, changer);
    m_parametres->accepted = [this](const EvalParameters& parameters) {
        send(command::SetParameters{parameters});
    };
}

QString MainWindow::ask_file(int mode, const QString& title, const QString& pattern,
                             const QString& filter, const QString& suffix) {
    if (m_file_answer) return m_file_answer();
    const QString folder = user_path(QStringLiteral("Parametres"));
    QFileDialog dialog(this, title, QDir(folder).filePath(pattern), filter);
    dialog.setDirectory(folder);
    dialog.setAcceptMode(static_cast<QFileDialog::AcceptMode>(mode));
    if (mode == QFileDialog::AcceptOpen) dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

void MainWindow::ouvrir_repertoire(int side) {
    RepertoireEditor* editor = side == BLACK ? m_form3 : m_form2;
    editor->set_captions(langue_cochee());
    editor->open_editor(QString::fromStdString(game_as_line(m_controller.game())));
}

void MainWindow::Changerbibliothqueouvertures1Click() {
    const QString chosen = ask_file(
        QFileDialog::AcceptOpen, caption("Changerbibliothqueouvertures1", langue_cochee()),
        QStringLiteral("*.ovv"), texte(FILTRE_OUVERTURES, langue_cochee()), QStringLiteral("ovv"));
    if (!chosen.isEmpty()) changer_bibliotheque(chosen);
}

bool MainWindow::changer_bibliotheque(const QString& marker) {
    if (!send_file_command(
            command::ChangeLibrary{marker.toStdString(), m_config.user_dir.toStdString()}))
        return false;
    set_active_library(findChild<QAction*>(QStringLiteral("BibliothequeActive")), marker,
                       langue_cochee());
    return true;
}

void MainWindow::Sauverlesparamtres1Click() {
    const QString path = ask_file(
        QFileDialog::AcceptSave, caption("Sauverlesparamtres1", langue_cochee()),
        QStringLiteral("*.par"), texte(FILTRE_PARAMETRES, langue_cochee()), QStringLiteral("par"));
    if (!path.isEmpty()) sauver_parametres(path);
}

void MainWindow::Chargerdesparamtres1Click() {
    const QString path = ask_file(
        QFileDialog::AcceptOpen, caption("Chargerdesparamtres1", langue_cochee()),
        QStringLiteral("*.par"), texte(FILTRE_PARAMETRES, langue_cochee()), QStringLiteral("par"));
    if (!path.isEmpty()) charger_parametres(path);
}

bool MainWindow::sauver_parametres(const QString& path) {
    return send_file_command(command::SaveParameters{path.toStdString()});
}

bool MainWindow::charger_parametres(const QString& path) {
    return send_file_command(command::LoadParameters{path.toStdString()});
}

} // namespace selvako
