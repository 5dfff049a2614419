#include "ui/parameters/parametrage_menu.h"

#include <QFileDialog>
#include <QMenu>

#include "ui/i18n/captions.h"
#include "ui/i18n/file_texts.h"
#include "ui/parameters/active_library.h"
#include "ui/parameters/parameter_editor.h"
#include "ui/repertoire/repertoire_editor.h"

namespace selvako {

ParametrageMenu::ParametrageMenu(const WindowContext& context, QMenuBar* bar,
                                 const Repertoires& repertoires, const EvalParameters& parameters)
    : QObject(context.window), m_context(context) {
    CaptionedItems& items = context.items;
    m_menu = items.add_menu(bar, "Ouvertures1");
    m_bibliotheques = items.add_toggle(m_menu, "Bibliothquesactives1", true);
    QAction* changer = items.add_item(m_menu, "Changerbibliothqueouvertures1");
    connect(changer, &QAction::triggered, this,
            &ParametrageMenu::Changerbibliothqueouvertures1Click);
    connect(items.add_item(m_menu, "Ouverturespourlesblancs1"), &QAction::triggered, this,
            [this] { ouvrir_repertoire(WHITE); });
    connect(items.add_item(m_menu, "Ouverturespourlesnoirs1"), &QAction::triggered, this,
            [this] { ouvrir_repertoire(BLACK); });
    m_menu->addSeparator();
    connect(items.add_item(m_menu, "Changerlesparamtres1"), &QAction::triggered, this, [this] {
        m_parametres->set_captions(m_context.langue());
        m_parametres->Changer1Click();
    });
    connect(items.add_item(m_menu, "Sauverlesparamtres1"), &QAction::triggered, this,
            &ParametrageMenu::Sauverlesparamtres1Click);
    connect(items.add_item(m_menu, "Chargerdesparamtres1"), &QAction::triggered, this,
            &ParametrageMenu::Chargerdesparamtres1Click);

    const RepertoireFolders folders{context.config.user_dir.toStdString(),
                                    context.user_path(QStringLiteral("Parametres")).toStdString()};
    m_form2 = new RepertoireEditor(WHITE, repertoires, folders, context.window);
    m_form3 = new RepertoireEditor(BLACK, repertoires, folders, context.window);
    for (RepertoireEditor* editor : {m_form2, m_form3}) {
        editor->report_file_error = [this] {
            m_context.errors.report(texte(IMPOSSIBLE_OUVRIR, m_context.langue()));
        };
        editor->ask_library_name = [this] {
            return ask_file(QFileDialog::AcceptSave,
                            caption("BitBtn1_Ouvertures", m_context.langue()),
                            QStringLiteral("*.ovv"), texte(FILTRE_OUVERTURES, m_context.langue()),
                            QStringLiteral("ovv"));
        };
        editor->adopt = [this](int side, const RepertoireLines& lines) {
            m_context.send(command::SetRepertoire{static_cast<std::uint8_t>(side), lines});
        };
        connect(editor, &QDialog::finished, this, &ParametrageMenu::editor_closed);
    }
    m_parametres = new ParameterEditor(parameters, context.window);
    m_active_library = add_active_library_item(m_menu, changer);
    m_parametres->accepted = [this](const EvalParameters& changed) {
        m_context.send(command::SetParameters{changed});
    };
}

void ParametrageMenu::set_captions(int langue) {
    caption_active_library(m_active_library, langue);
}

QString ParametrageMenu::ask_file(int mode, const QString& title, const QString& pattern,
                                  const QString& filter, const QString& suffix) {
    if (m_context.config.file_answer) return m_context.config.file_answer();
    const QString folder = m_context.user_path(QStringLiteral("Parametres"));
    QFileDialog dialog(m_context.window, title, QDir(folder).filePath(pattern), filter);
    dialog.setDirectory(folder);
    dialog.setAcceptMode(static_cast<QFileDialog::AcceptMode>(mode));
    if (mode == QFileDialog::AcceptOpen) dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

void ParametrageMenu::ouvrir_repertoire(int side) {
    RepertoireEditor* editor = side == BLACK ? m_form3 : m_form2;
    editor->set_captions(m_context.langue());
    editor->open_editor(QString::fromStdString(game_as_line(m_context.controller.game())));
}

void ParametrageMenu::Changerbibliothqueouvertures1Click() {
    const int langue = m_context.langue();
    const QString chosen =
        ask_file(QFileDialog::AcceptOpen, caption("Changerbibliothqueouvertures1", langue),
                 QStringLiteral("*.ovv"), texte(FILTRE_OUVERTURES, langue), QStringLiteral("ovv"));
    if (!chosen.isEmpty()) changer_bibliotheque(chosen);
}

bool ParametrageMenu::changer_bibliotheque(const QString& marker) {
    if (!m_context.send_file_command(
            command::ChangeLibrary{marker.toStdString(), m_context.config.user_dir.toStdString()}))
        return false;
    set_active_library(m_active_library, marker, m_context.langue());
    return true;
}

QString ParametrageMenu::ask_parameter_file(int mode, const char* item) {
    const int langue = m_context.langue();
    return ask_file(mode, caption(item, langue), QStringLiteral("*.par"),
                    texte(FILTRE_PARAMETRES, langue), QStringLiteral("par"));
}

void ParametrageMenu::Sauverlesparamtres1Click() {
    const QString path = ask_parameter_file(QFileDialog::AcceptSave, "Sauverlesparamtres1");
    if (!path.isEmpty()) sauver_parametres(path);
}

void ParametrageMenu::Chargerdesparamtres1Click() {
    const QString path = ask_parameter_file(QFileDialog::AcceptOpen, "Chargerdesparamtres1");
    if (!path.isEmpty()) charger_parametres(path);
}

bool ParametrageMenu::sauver_parametres(const QString& path) {
    return m_context.send_file_command(command::SaveParameters{path.toStdString()});
}

bool ParametrageMenu::charger_parametres(const QString& path) {
    return m_context.send_file_command(command::LoadParameters{path.toStdString()});
}

} // namespace selvako
