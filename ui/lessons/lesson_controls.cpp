#include "ui/lessons/lesson_controls.h"

#include <QBoxLayout>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QUrl>

#include "game/lessons.h"
#include "ui/i18n/captions.h"
#include "ui/i18n/file_texts.h"
#include "ui/lessons/lesson_text_window.h"
#include "ui/window/window_placement.h"

namespace selvako {

LessonControls::LessonControls(const WindowContext& context, QWidget* buttons_page)
    : QObject(context.window), m_context(context) {
    auto* row = new QHBoxLayout;
    m_panel13 = context.items.add_button(buttons_page, "Panel13");
    m_panel14 = context.items.add_button(buttons_page, "Panel14");
    connect(m_panel13, &QPushButton::clicked, this, &LessonControls::lecon_suivante);
    connect(m_panel14, &QPushButton::clicked, this, &LessonControls::revoir_coup);
    row->addWidget(m_panel13);
    row->addWidget(m_panel14);
    qobject_cast<QBoxLayout*>(buttons_page->layout())->addLayout(row);
    m_panel13->hide();
    m_panel14->hide();

    m_lesson_text = new LessonTextWindow(context.window);
    connect(m_lesson_text, &LessonTextWindow::editor_requested, this, [this](const QString& path) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            m_context.errors.report(texte(IMPOSSIBLE_OUVRIR, m_context.langue()));
    });
}

void LessonControls::set_captions(int langue) {
    m_lesson_text->set_captions(langue);
}

void LessonControls::Problmes1Click() {
    QFileDialog dialog(m_context.window, caption("Problmes1", m_context.langue()),
                       m_context.user_path(QStringLiteral("Problemes")),
                       texte(FILTRE_PARTIES, m_context.langue()));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        ouvrir_lecon(dialog.selectedFiles().first());
}

bool LessonControls::ouvrir_lecon(const QString& path) {
    return m_context.send_file_command(command::OpenLesson{path.toStdString()});
}

void LessonControls::lecon_suivante() {
    m_context.send(command::NextLesson{});
}

void LessonControls::revoir_coup() {
    m_context.send(command::ReviewLesson{});
    // The same file: its text is read again too, as it may have been edited.
    m_shown_lesson.clear();
    refresh();
}

void LessonControls::refresh() {
    const auto& current = m_context.controller.lessons().current();
    m_panel13->setVisible(current.has_value());
    m_panel14->setVisible(current.has_value());
    if (!current) {
        m_shown_lesson.clear();
        m_lesson_text->hide();
        return;
    }
    const QString path = QString::fromStdString(lesson_text(*current).string());
    if (path == m_shown_lesson) return;
    m_shown_lesson = path;
    m_lesson_text->set_captions(m_context.langue());
    m_lesson_text->show_text(path, texte(IMPOSSIBLE_OUVRIR, m_context.langue()));
    if (!m_lesson_text->isVisible()) {
        place_beside(m_lesson_text, m_context.window);
        m_lesson_text->show();
    }
}

} // namespace selvako
