#include "ui/window/captioned_items.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "ui/i18n/captions.h"

namespace selvako {

QMenu* CaptionedItems::add_menu(QMenuBar* bar, const char* key) {
    QMenu* menu = bar->addMenu(QString());
    add(key, menu->menuAction());
    return menu;
}

QAction* CaptionedItems::add_item(QMenu* menu, const char* key) {
    QAction* item = menu->addAction(QString());
    add(key, item);
    return item;
}

QAction* CaptionedItems::add_toggle(QMenu* menu, const char* key, bool checked) {
    QAction* item = add_item(menu, key);
    item->setCheckable(true);
    item->setChecked(checked);
    return item;
}

QPushButton* CaptionedItems::add_button(QWidget* parent, const char* key) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(key));
    m_buttons.emplace_back(key, b);
    return b;
}

void CaptionedItems::add(const char* key, QAction* item) {
    item->setObjectName(QString::fromLatin1(key));
    m_actions.emplace_back(key, item);
}

void CaptionedItems::apply(int langue) const {
    for (const auto& [key, item] : m_actions) item->setText(caption(key, langue));
    for (const auto& [key, b] : m_buttons) b->setText(caption(key, langue));
}

QAction* CaptionedItems::action(std::string_view key) const {
    for (const auto& [k, item] : m_actions)
        if (k == key) return item;
    return nullptr;
}

} // namespace selvako
