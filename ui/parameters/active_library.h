#pragma once
// The "Paramétrage" menu names the opening library the computer plays from:
// a disabled item under "Changer bibliothèque ouverture".

#include <QString>

class QAction;
class QMenu;

namespace selvako {

// The item, added after `after` in `menu`; its library is unnamed at first.
QAction* add_active_library_item(QMenu* menu, QAction* after);
// The library chosen (its marker's file name), then the item's caption in `langue`.
void set_active_library(QAction* item, const QString& marker, int langue);
void caption_active_library(QAction* item, int langue);

} // namespace selvako
