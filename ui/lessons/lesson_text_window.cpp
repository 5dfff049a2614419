#include "ui/lessons/lesson_text_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/game_text.h"
#include "ui/i18n/captions.h"

namespace selvako {

namespace {

// A lesson's text is a page or two; anything larger is not one.
constexpr std::uintmax_t MAX_TEXT_BYTES = 1 << 20;

} // namespace

LessonTextWindow::LessonTextWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("LessonText"));
    auto* layout = new QVBoxLayout(this);
    m_nom = new QLabel(this);
    layout->addWidget(m_nom);
    m_texte = new QPlainTextEdit(this);
    m_texte->setReadOnly(true);
    m_texte->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    layout->addWidget(m_texte);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_editeur = new QPushButton(this);
    m_editeur->setObjectName(QStringLiteral("LessonEditor"));
    buttons->addWidget(m_editeur);
    layout->addLayout(buttons);
    connect(m_editeur, &QPushButton::clicked, this, [this] {
        if (!m_path.isEmpty()) emit editor_requested(m_path);
    });
    // Wide enough for the shipped texts' lines, which are wrapped for an editor.
    resize(600, 460);
    set_captions(FRANCAIS);
}

bool LessonTextWindow::show_text(const QString& path, const QString& missing) {
    m_nom->setText(QFileInfo(path).fileName());
    // Never QFile: opening a FIFO there would wait for a writer for ever.
    const TextFileRead read = read_text_file(path.toStdString(), MAX_TEXT_BYTES);
    const bool readable = read.ok();
    m_path = readable ? path : QString();
    m_texte->setPlainText(readable ? QString::fromStdString(read.text) : missing);
    m_editeur->setEnabled(readable);
    return readable;
}

void LessonTextWindow::set_captions(int langue) {
    setWindowTitle(caption("LessonText", langue));
    m_editeur->setText(caption("LessonEditor", langue));
}

QString LessonTextWindow::text() const {
    return m_texte->toPlainText();
}

} // namespace selvako
