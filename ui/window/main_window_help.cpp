// The Aide menu: the help window on the guide or the rules, and the about panel.

#include <QDir>

#include "ui/i18n/file_texts.h"
#include "ui/window/main_window.h"
#include "ui/window/window_placement.h"

namespace selvako {

void MainWindow::Guide1Click() {
    open_help(HelpBook::guide);
}

void MainWindow::Rgles1Click() {
    open_help(HelpBook::rules);
}

void MainWindow::open_help(HelpBook book) {
    const int langue = langue_cochee();
    const QString folder = QDir(m_config.data_dir).filePath(QStringLiteral("help"));
    const QString page = help_page(folder, book, langue);
    if (page.isEmpty()) {
        m_errors.report(texte(IMPOSSIBLE_OUVRIR, langue) + QStringLiteral(" : ") +
                        QDir::toNativeSeparators(folder));
        return;
    }
    const HelpBook other = book == HelpBook::guide ? HelpBook::rules : HelpBook::guide;
    if (!m_aide) {
        m_aide = new HelpWindow(this);
        place_beside(m_aide, this);
    }
    m_aide->open(page, help_page(folder, other, langue),
                 caption(book == HelpBook::guide ? "Guide1" : "Rgles1", langue));
    m_aide->show();
    m_aide->raise();
}

void MainWindow::a_propos() {
    if (!m_apropos) m_apropos = new AboutPanel(this);
    m_apropos->set_texts(langue_cochee(), QStringLiteral(SELVAKO_VERSION));
    // Not modal: the program goes on (and tests go on) while it is shown.
    m_apropos->show();
    m_apropos->raise();
}

} // namespace selvako
