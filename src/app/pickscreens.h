#pragma once

#include "app/menubar.h"

namespace spawnsmith {

class Frame;

// Registers the splash screen, the game-pick screen (with the given menu bar) and the three
// code-pick screens.
void addPickScreens(Frame& frame, MenuBarContents gamePickMenus);

} // namespace spawnsmith
