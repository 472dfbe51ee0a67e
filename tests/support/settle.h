#pragma once

#include <QCoreApplication>
#include <QEvent>

namespace spawnsmith {

// Processes pending events, including the deferred deletions of unloaded windows, so that a
// test sees the windows as a user would once the program is idle again.
inline void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace spawnsmith
