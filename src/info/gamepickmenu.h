#pragma once

#include "app/menubar.h"

namespace spawnsmith {

// The game-pick screen's menu bar: About, Members, Contact and Web Sites. The entries that open
// a window do so over the game-pick screen; the web-site entries start a browser.
MenuBarContents gamePickMenus();

} // namespace spawnsmith
