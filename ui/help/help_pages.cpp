#include "ui/help/help_pages.h"

#include <QDir>
#include <QFileInfo>

namespace selvako {

namespace {

constexpr const char* CODES[] = {"fr", "en", "nl", "pt", "es", "it"};

} // namespace

QString language_code(int langue) {
    return QString::fromLatin1(CODES[langue >= 0 && langue < 6 ? langue : 0]);
}

QString help_page(const QString& help_folder, HelpBook book, int langue) {
    const QString name =
        book == HelpBook::guide ? QStringLiteral("guide_") : QStringLiteral("rules_");
    const QDir folder(help_folder);
    for (const QString& code : {language_code(langue), QStringLiteral("en")}) {
        const QString path = folder.filePath(name + code + QStringLiteral(".html"));
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

} // namespace selvako
