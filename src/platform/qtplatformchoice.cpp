#include "platform/qtplatformchoice.h"

#include <QtGlobal>

namespace spawnsmith {

QByteArray preferredQtPlatform(const DisplayEnvironment& environment) {
    if (!environment.qtQpaPlatform.isEmpty())
        return {};
    // Qt 6 takes a session for Wayland on either sign, so this does too.
    const bool waylandSession =
        !environment.waylandDisplay.isEmpty() || environment.sessionType == "wayland";
    if (!waylandSession || environment.display.isEmpty())
        return {};
    return QByteArrayLiteral("xcb;wayland");
}

QByteArray preferredQtPlatformForThisProcess() {
#ifdef Q_OS_LINUX
    return preferredQtPlatform({qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"),
                                qgetenv("XDG_SESSION_TYPE"), qgetenv("DISPLAY")});
#else
    return {};
#endif
}

ArgumentsWithPlatform::ArgumentsWithPlatform(int argc, char** argv, const QByteArray& platform)
    : m_option("-platform"), m_platform(platform), m_values(argv, argv + argc) {
    // Without even the program's name there is no place for an option that Qt would read.
    if (!m_platform.isEmpty() && argc > 0)
        m_values.insert(m_values.begin() + 1, {m_option.data(), m_platform.data()});
    m_count = static_cast<int>(m_values.size());
    m_values.push_back(nullptr);
}

} // namespace spawnsmith
