#pragma once
// The menus, items and buttons whose captions come from the caption table:
// each is named by its key (its object name too, so that it can be found)
// and written again in the language chosen.

#include <QString>

#include <string_view>
#include <utility>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QPushButton;
class QWidget;

namespace selvako {

class CaptionedItems {
  public:
    QMenu* add_menu(QMenuBar* bar, const char* key);
    QAction* add_item(QMenu* menu, const char* key);
    QAction* add_toggle(QMenu* menu, const char* key, bool checked);
    QPushButton* add_button(QWidget* parent, const char* key);
    // A sub-menu or an item built elsewhere, captioned with the others.
    void add(const char* key, QAction* item);

    void apply(int langue) const;
    // The item or menu of that key, or null.
    QAction* action(std::string_view key) const;

  private:
    std::vector<std::pair<std::string_view, QAction*>> m_actions;
    std::vector<std::pair<std::string_view, QPushButton*>> m_buttons;
};

} // namespace selvako
