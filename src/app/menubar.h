#pragma once

#include "app/action.h"

#include <span>
#include <vector>

class QMenuBar;

namespace spawnsmith {

class Frame;
class Window;

// An entry of a menu: its object name, caption ("-" for a separator line), Ctrl shortcut and
// action.
struct MenuEntry {
    const char* name;
    const char* caption;
    const char* shortcut;
    Action action;
};

// A menu title of a menu bar and its entries, top to bottom.
struct MenuTitle {
    const char* name;
    const char* caption;
    std::vector<MenuEntry> entries;
};

using MenuBarContents = std::span<const MenuTitle>;

// Builds a window's menu bar from its titles, left to right. Each entry carries out its action
// on behalf of the window. While the lock-out routine has a menu title disabled, Qt neither
// opens that menu nor fires its entries' shortcuts, so a locked window ignores the menu keys.
QMenuBar* buildMenuBar(Frame& frame, Window* window, MenuBarContents menus);

} // namespace spawnsmith
