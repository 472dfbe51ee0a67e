#pragma once

#include "app/windowid.h"

#include <QStringList>

#include <vector>

namespace spawnsmith {

class Window;

// The controls of a window that are disabled while another window is open over it, in the
// order in which they are walked. Empty for windows that nothing opens over.
QStringList lockOutSet(WindowId window);

// Every window that has a lock-out set.
std::vector<WindowId> windowsWithLockOutSets();

// Finds the controls of the window's set on the freshly built window and hands them to it, so
// that locking and unlocking never look a name up. A name the window lacks stops the program.
void attachLockOutSet(Window& window);

} // namespace spawnsmith
