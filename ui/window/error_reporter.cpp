#include "ui/window/error_reporter.h"

#include <QMessageBox>

#include <cstdio>

#include "ui/i18n/file_refusal_text.h"
#include "ui/i18n/file_texts.h"
#include "ui/window/window_texts.h"

namespace selvako {

ErrorReporter::ErrorReporter(QWidget* parent, bool headless,
                             std::function<void(const QString&)> sink, std::function<int()> langue)
    : m_parent(parent), m_headless(headless), m_sink(std::move(sink)), m_langue(std::move(langue)) {
}

void ErrorReporter::report(const QString& text) {
    ++m_count;
    if (m_sink) {
        m_sink(text);
        return;
    }
    if (m_headless) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(texte(ERREUR, m_langue())), qPrintable(text));
        return;
    }
    QMessageBox::critical(m_parent, texte(ERREUR, m_langue()), text);
}

void ErrorReporter::report_refusal(const FileRefusal& refusal) {
    const int langue = m_langue();
    report(texte(IMPOSSIBLE_OUVRIR, langue) + QStringLiteral(" (") +
           QString::fromStdString(refusal_text(refusal, langue)) + QLatin1Char(')'));
}

} // namespace selvako
