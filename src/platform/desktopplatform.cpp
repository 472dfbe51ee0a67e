#include "platform/desktopplatform.h"

#include "core/codepage.h"
#include "platform/detachedprocess.h"
#include "platform/steadyclock.h"
#include "platform/systemplatform.h"
#ifdef SPAWNSMITH_DESKTOP_PORTAL
#include "platform/desktopportal.h"
#endif

#include <QProcess>
#ifdef SPAWNSMITH_X11
#include <QGuiApplication>

#include <xcb/xcb.h>
#endif

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

void DesktopPlatform::startBrowser(const QString& program, const QString& address) {
    if (!QProcess::startDetached(program, {address}))
        qWarning("spawnsmith: could not start the browser %s", qPrintable(program));
}

// On X11 the name is in two properties, _NET_WM_NAME (UTF-8) and WM_NAME; both are deleted
// through Qt's own connection to the X server, so that they go in order with Qt's requests.
void DesktopPlatform::clearWindowName(quintptr nativeWindow) {
#ifdef SPAWNSMITH_X11
    // Only on X11: on other platforms (offscreen, Wayland) Qt may still answer for X11 but has
    // no connection to an X server.
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || nativeWindow == 0 || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    xcb_connection_t* connection = x11->connection();
    if (!connection)
        return;
    const auto window = static_cast<xcb_window_t>(nativeWindow);
    static constexpr char netWmName[] = "_NET_WM_NAME";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof netWmName - 1, netWmName), nullptr);
    if (atom) {
        xcb_delete_property(connection, window, atom->atom);
        std::free(atom);
    }
    xcb_delete_property(connection, window, XCB_ATOM_WM_NAME);
    xcb_flush(connection);
#else
    Q_UNUSED(nativeWindow);
#endif
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
