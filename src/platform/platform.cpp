#include "platform/platform.h"

#include <QFileInfo>

namespace spawnsmith {

bool Platform::programExists(const QString& path) {
    // A Windows path such as "C:\\Program Files\\..." is a relative file name on other systems:
    // it must never find a file of that name in the current folder.
    const QFileInfo info(path);
    return info.isAbsolute() && info.isFile() && info.isExecutable();
}

} // namespace spawnsmith
