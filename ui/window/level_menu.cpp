#include "ui/window/level_menu.h"

namespace selvako {

namespace {

// The component names of the level items, in the order of LEVEL_ITEMS.
constexpr const char* LEVEL_KEYS[] = {
    "Dbutant1",         "Niveau01",        "Niveau02",        "Niveau03",
    "Niveau04",         "Niveau05",        "Niveau06",        "Niveau07",
    "Niveau081",        "N150coupsen3mn1", "N250coupsen5mn1", "N350coupsen10mn1",
    "N450coupsen30mn1", "N550coupsen1h1",  "N650coupsen2h1",  "N7longlong1",
};
static_assert(std::size(LEVEL_KEYS) == LEVEL_ITEMS.size());

} // namespace

LevelMenu::LevelMenu(QMenu* niveau, QMenu* special, const AddItem& add_item, QObject* parent)
    : QObject(parent) {
    for (std::size_t k = 0; k < LEVEL_ITEMS.size(); ++k) {
        const LevelParameters level = LEVEL_ITEMS[k].parameters;
        QAction* item = add_item(LEVEL_ITEMS[k].in_special_menu ? special : niveau, LEVEL_KEYS[k]);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, level] {
            check(level.niveau);
            emit level_chosen(level);
        });
        m_items.emplace_back(level.niveau, item);
    }
    QAction* autre = add_item(special, "N8Autre1");
    autre->setCheckable(true);
    connect(autre, &QAction::triggered, this, [this, autre] {
        // The item stays as it was until the panel's OK accepts the minutes.
        autre->setChecked(!autre->isChecked());
        emit autre_requested();
    });
    m_items.emplace_back(NIVEAU_AUTRE, autre);
}

void LevelMenu::check(std::uint8_t niveau) {
    for (auto& [n, item] : m_items) item->setChecked(n == niveau);
}

QAction* LevelMenu::item(std::uint8_t niveau) const {
    for (const auto& [n, item] : m_items)
        if (n == niveau) return item;
    return nullptr;
}

} // namespace selvako
