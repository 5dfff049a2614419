#pragma once
// The Niveau menu: the nine named levels, and under "Spécial" the seven timed
// levels and "Autre". Exactly one item is checked, the one `niveau` names.

#include <QAction>
#include <QMenu>
#include <QObject>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "game/levels.h"

namespace selvako {

class LevelMenu : public QObject {
    Q_OBJECT
  public:
    using AddItem = std::function<QAction*(QMenu*, const char*)>;

    // `add_item` creates a captioned item in a menu, as the window does for all its items.
    LevelMenu(QMenu* niveau, QMenu* special, const AddItem& add_item, QObject* parent);

    // Unchecks every level item and checks the one of `niveau` (none for an unknown byte).
    void check(std::uint8_t niveau);
    QAction* item(std::uint8_t niveau) const;

  signals:
    // A named or timed level was chosen.
    void level_chosen(const selvako::LevelParameters& level);
    // "Autre": the minutes panel is to be shown.
    void autre_requested();

  private:
    std::vector<std::pair<std::uint8_t, QAction*>> m_items;
};

} // namespace selvako
