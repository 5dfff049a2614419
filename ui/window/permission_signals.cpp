#include "ui/window/permission_signals.h"

namespace selvako {

namespace {

struct Link {
    bool Permissions::*field;
    void (PermissionSignals::*signal)(bool);
};

constexpr Link LINKS[] = {
    {&Permissions::files, &PermissionSignals::files_allowed},
    {&Permissions::game_items, &PermissionSignals::game_items_allowed},
    {&Permissions::edition, &PermissionSignals::edition_allowed},
    {&Permissions::edition_items, &PermissionSignals::edition_items_allowed},
    {&Permissions::can_navigate, &PermissionSignals::navigation_allowed},
    {&Permissions::players, &PermissionSignals::players_allowed},
    {&Permissions::can_change_level, &PermissionSignals::level_allowed},
    {&Permissions::parameters, &PermissionSignals::parameters_allowed},
    {&Permissions::analysis, &PermissionSignals::analysis_allowed},
    {&Permissions::match_options, &PermissionSignals::match_options_allowed},
    {&Permissions::position_editor, &PermissionSignals::position_editor_allowed},
    {&Permissions::offer_draw, &PermissionSignals::offer_draw_allowed},
    {&Permissions::can_resign, &PermissionSignals::resign_offered},
};

} // namespace

void PermissionSignals::publish(const Permissions& now) {
    const std::optional<Permissions> before = m_last;
    m_last = now;
    for (const auto& [field, signal] : LINKS)
        if (!before || (*before).*field != now.*field) emit(this->*signal)(now.*field);
}

} // namespace selvako
