#include "platform/desktopplatform.h"

#include "core/codepage.h"
#include "platform/detachedprocess.h"
#include "platform/steadyclock.h"
#include "platform/systemplatform.h"
#ifdef SPAWNSMITH_DESKTOP_PORTAL
#include "platform/desktopportal.h"
#endif

#include <QFileInfo>
#include <QProcess>

#include <cerrno>
#include <cstdlib>
#include <cstring>

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
    // A Windows path such as "C:\\Program Files\\..." is a relative file name here: it must
    // never find a file of that name in the current folder.
    const QFileInfo info(path);
    return info.isAbsolute() && info.isFile() && info.isExecutable();
}

void DesktopPlatform::startBrowser(const QString& program, const QString& address) {
    if (!QProcess::startDetached(program, {address}))
        qWarning("spawnsmith: could not start the browser %s", qPrintable(program));
}

// Hands the URL to the desktop's opener as its one argument, byte for byte. A URL longer than
// the system takes in one argument goes through the desktop portal instead, where there is
// one; when the URL cannot be handed over at all, one line on standard error says why.
void DesktopPlatform::openUrl(const QByteArray& url, quintptr) {
#if defined(Q_OS_MACOS)
    const QByteArray opener = "open";
#else
    const QByteArray opener = "xdg-open";
#endif
    const int error = startDetachedProcess(opener, {url});
    if (error == 0)
        return;
#ifdef SPAWNSMITH_DESKTOP_PORTAL
    if (error == E2BIG && openUrlThroughPortal(url))
        return;
#endif
    qWarning("spawnsmith: could not hand the %lld-byte URL to %s: %s",
             static_cast<long long>(url.size()), opener.constData(), std::strerror(error));
}

std::unique_ptr<Platform> makeSystemPlatform() {
    return std::make_unique<DesktopPlatform>();
}

} // namespace spawnsmith
