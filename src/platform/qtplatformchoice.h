#pragma once

#include <QByteArray>

#include <vector>

namespace spawnsmith {

// The environment variables that decide which of Qt's window-system platforms the program asks
// for. An empty value counts as not set, as it does for Qt itself.
struct DisplayEnvironment {
    QByteArray qtQpaPlatform;  // QT_QPA_PLATFORM: the user's own choice of platform
    QByteArray waylandDisplay; // WAYLAND_DISPLAY: the socket of a Wayland compositor
    QByteArray sessionType;    // XDG_SESSION_TYPE: "wayland", "x11", "tty", ...
    QByteArray display;        // DISPLAY: an X server; in a Wayland session, XWayland
};

// The list of Qt platforms to ask for (Qt tries them in order and takes the first that starts),
// or empty to leave the choice to Qt.
//
// A Wayland compositor places every window itself and ignores the places a client asks for, so
// in a Wayland session the windows would not be centred on the screen. Where the session also
// offers XWayland (DISPLAY is set), the program therefore runs as an X11 client: "xcb;wayland",
// with Wayland itself as the fallback if the X server cannot be reached or Qt's X11 support
// fails to load. Without XWayland, and outside a Wayland session, Qt's own choice stands (a
// Wayland session then gets Wayland, an X11 session X11). A QT_QPA_PLATFORM the user set always
// wins: the answer is then empty and Qt takes that value.
QByteArray preferredQtPlatform(const DisplayEnvironment& environment);

// preferredQtPlatform for this process's environment on Linux; empty on every other system,
// whose Qt has a single window-system platform.
QByteArray preferredQtPlatformForThisProcess();

// The program's command line for QApplication with "-platform LIST" put in front of the user's
// own arguments (right after the program's name), or unchanged where LIST is empty. The choice
// goes on the command line rather than into QT_QPA_PLATFORM because every process the program
// starts (the browser, the desktop's URL opener) inherits the environment and must make its own
// choice. Qt takes the last "-platform" on the command line, so one the user gave still wins;
// and Qt removes the options it takes, so QCoreApplication::arguments() stays the user's.
// QApplication keeps a reference to the count and the array for its whole life: this object
// must outlive it.
class ArgumentsWithPlatform {
public:
    ArgumentsWithPlatform(int argc, char** argv, const QByteArray& platform);
    ArgumentsWithPlatform(const ArgumentsWithPlatform&) = delete;
    ArgumentsWithPlatform& operator=(const ArgumentsWithPlatform&) = delete;

    int& count() { return m_count; }
    // count() arguments, then a null pointer as in main()'s argv.
    char** values() { return m_values.data(); }

private:
    QByteArray m_option;
    QByteArray m_platform;
    std::vector<char*> m_values;
    int m_count = 0;
};

} // namespace spawnsmith
