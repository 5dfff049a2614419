#include "ui/window/window_context.h"

#include <QDir>

#include "ui/i18n/languages.h"

namespace selvako {

int WindowContext::langue() const {
    const int langue = controller.game().settings.langue;
    return langue < LANGUAGE_COUNT ? langue : FRANCAIS;
}

QString WindowContext::user_path(const QString& name) const {
    return QDir(config.user_dir).filePath(name);
}

bool WindowContext::send_file_command(const Command& c) const {
    const int before = errors.count();
    send(c);
    return errors.count() == before;
}

} // namespace selvako
