#include "platform/desktopplatform.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <chrono>
#include <cstdlib>

#ifdef Q_OS_WIN
#include <windows.h>

#include <shellapi.h>
#endif

namespace spawnsmith {

double DesktopPlatform::now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void DesktopPlatform::endProgram() {
    std::_Exit(0);
}

bool DesktopPlatform::programExists(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

void DesktopPlatform::startDetached(const QString& program, const QStringList& arguments) {
    QProcess::startDetached(program, arguments);
}

void DesktopPlatform::openUrl(const QByteArray& url) {
#if defined(Q_OS_WIN)
    ShellExecuteA(nullptr, "open", url.constData(), nullptr, nullptr, SW_SHOWNORMAL);
#else
    // QProcess encodes arguments with QFile::encodeName, so decodeName gives back these bytes.
    const QString argument = QFile::decodeName(url);
#if defined(Q_OS_MACOS)
    QProcess::startDetached(QStringLiteral("open"), {argument});
#else
    QProcess::startDetached(QStringLiteral("xdg-open"), {argument});
#endif
#endif
}

} // namespace spawnsmith
