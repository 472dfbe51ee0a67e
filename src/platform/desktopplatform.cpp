#include "platform/desktopplatform.h"

#include "core/codepage.h"
#include "platform/steadyclock.h"
#include "platform/systemplatform.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cstdlib>

namespace spawnsmith {

double DesktopPlatform::now() {
    return steadyClockSeconds();
}

void DesktopPlatform::endProgram() {
    std::_Exit(0);
}

const CodePage& DesktopPlatform::ansiCodePage() {
    return windows1252();
}

bool DesktopPlatform::programExists(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

void DesktopPlatform::startBrowser(const QString& program, const QString& address) {
    QProcess::startDetached(program, {address});
}

void DesktopPlatform::openUrl(const QByteArray& url, quintptr) {
    // QProcess encodes arguments with QFile::encodeName, so decodeName gives back these bytes.
    const QString argument = QFile::decodeName(url);
#if defined(Q_OS_MACOS)
    QProcess::startDetached(QStringLiteral("open"), {argument});
#else
    QProcess::startDetached(QStringLiteral("xdg-open"), {argument});
#endif
}

std::unique_ptr<Platform> makeSystemPlatform() {
    return std::make_unique<DesktopPlatform>();
}

} // namespace spawnsmith
