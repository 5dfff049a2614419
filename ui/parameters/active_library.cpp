#include "ui/parameters/active_library.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "ui/i18n/captions.h"

namespace selvako {

namespace {

constexpr Traductions BIBLIOTHEQUE_ACTIVE = {
    "Bibliothèque active : %1", "Active library: %1",   "Actieve bibliotheek: %1",
    "Biblioteca ativa: %1",     "Biblioteca activa: %1", "Libreria attiva: %1"};
// Until one is chosen in this run the active files carry no library name.
constexpr Traductions SANS_NOM = {"fichiers actifs", "active files",   "actieve bestanden",
                                  "arquivos ativos", "archivos activos", "file attivi"};

} // namespace

QAction* add_active_library_item(QMenu* menu, QAction* after) {
    auto* item = new QAction(menu);
    item->setObjectName(QStringLiteral("BibliothequeActive"));
    item->setEnabled(false);
    const QList<QAction*> items = menu->actions();
    const qsizetype at = items.indexOf(after);
    menu->insertAction(at >= 0 && at + 1 < items.size() ? items[at + 1] : nullptr, item);
    return item;
}

void set_active_library(QAction* item, const QString& marker, int langue) {
    item->setData(QFileInfo(marker).completeBaseName());
    caption_active_library(item, langue);
}

void caption_active_library(QAction* item, int langue) {
    const QString name = item->data().toString();
    item->setText(texte(BIBLIOTHEQUE_ACTIVE, langue).arg(name.isEmpty() ? texte(SANS_NOM, langue)
                                                                            : name));
}

} // namespace selvako
