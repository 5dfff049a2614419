// "Leçons, exercices et problèmes", "Suivant ->" and "Revoir coup": the
// lessons of a folder on the board, their texts in a window of their own.
#include <QBoxLayout>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QUrl>

#include "game/lessons.h"
#include "ui/i18n/captions.h"
#include "ui/i18n/file_texts.h"
#include "ui/window/main_window.h"
#include "ui/window/window_placement.h"

namespace selvako {

namespace {

QString text_path(const std::filesystem::path& lesson) {
    return QString::fromStdString(lesson_text(lesson).string());
}

} // namespace

void MainWindow::build_lessons() {
    auto* row = new QHBoxLayout;
    QWidget* page = m_liste->parentWidget();
    m_panel13 = m_items.add_button(page, "Panel13");
    m_panel14 = m_items.add_button(page, "Panel14");
    connect(m_panel13, &QPushButton::clicked, this, &MainWindow::lecon_suivante);
    connect(m_panel14, &QPushButton::clicked, this, &MainWindow::revoir_coup);
    row->addWidget(m_panel13);
    row->addWidget(m_panel14);
    qobject_cast<QBoxLayout*>(page->layout())->addLayout(row);
    m_panel13->hide();
    m_panel14->hide();

    m_lesson_text = new LessonTextWindow(this);
    connect(m_lesson_text, &LessonTextWindow::editor_requested, this, [this](const QString& path) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            m_errors.report(texte(IMPOSSIBLE_OUVRIR, langue_cochee()));
    });
}

void MainWindow::Problmes1Click() {
    QFileDialog dialog(this, caption("Problmes1", langue_cochee()),
                       m_context.user_path(QStringLiteral("Problemes")),
                       texte(FILTRE_PARTIES, langue_cochee()));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        ouvrir_lecon(dialog.selectedFiles().first());
}

bool MainWindow::ouvrir_lecon(const QString& path) {
    return m_context.send_file_command(command::OpenLesson{path.toStdString()});
}

void MainWindow::lecon_suivante() {
    send(command::NextLesson{});
}

void MainWindow::revoir_coup() {
    send(command::ReviewLesson{});
    // The same file: its text is read again too, as it may have been edited.
    m_shown_lesson.clear();
    show_lesson();
}

void MainWindow::show_lesson() {
    const auto& current = m_controller.lessons().current();
    m_panel13->setVisible(current.has_value());
    m_panel14->setVisible(current.has_value());
    if (!current) {
        m_shown_lesson.clear();
        m_lesson_text->hide();
        return;
    }
    const QString path = text_path(*current);
    if (path == m_shown_lesson) return;
    m_shown_lesson = path;
    m_lesson_text->set_captions(langue_cochee());
    m_lesson_text->show_text(path, texte(IMPOSSIBLE_OUVRIR, langue_cochee()));
    if (!m_lesson_text->isVisible()) {
        place_beside(m_lesson_text, this);
        m_lesson_text->show();
    }
}

} // namespace selvako
