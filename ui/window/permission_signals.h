#pragma once
// The controller's permissions as Qt signals: one per item family, emitted
// when its value changes (all of them the first time), so that menu items
// and buttons connect their setEnabled or setVisible and follow the game.

#include <QObject>

#include <optional>

#include "game/permissions.h"

namespace selvako {

class PermissionSignals : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    void publish(const Permissions& now);
    const std::optional<Permissions>& last() const { return m_last; }

  signals:
    void files_allowed(bool allowed);
    void game_items_allowed(bool allowed);
    void edition_allowed(bool allowed);
    void edition_items_allowed(bool allowed);
    void navigation_allowed(bool allowed);
    void players_allowed(bool allowed);
    void level_allowed(bool allowed);
    void parameters_allowed(bool allowed);
    void analysis_allowed(bool allowed);
    void match_options_allowed(bool allowed);
    void position_editor_allowed(bool allowed);
    void offer_draw_allowed(bool allowed);
    void resign_offered(bool offered);

  private:
    std::optional<Permissions> m_last;
};

} // namespace selvako
