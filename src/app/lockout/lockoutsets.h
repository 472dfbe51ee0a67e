#pragma once

#include <QStringList>

namespace spawnsmith {

class Window;

// The controls of a window that are disabled while another window is open over it, in the
// order in which they are walked. Empty for windows that nothing opens over.
QStringList lockOutSet(const QString& window);

// Every window that has a lock-out set.
QStringList windowsWithLockOutSets();

// Sets every control of the window's set to disabled (locked) or enabled, in order. A menu in
// the set is its menu-bar title. Controls outside the set are never touched.
void setLockOutSet(Window& window, bool locked);

} // namespace spawnsmith
