#include "app/frame.h"
#include "app/startup.h"
#include "platform/qtplatformchoice.h"
#include "platform/systemplatform.h"
#include "wizard/wizard.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // On a Wayland desktop that offers XWayland the program runs as an X11 client, where it can
    // place its own windows (see platform/qtplatformchoice.h).
    spawnsmith::ArgumentsWithPlatform arguments(argc, argv,
                                                spawnsmith::preferredQtPlatformForThisProcess());
    QApplication app(arguments.count(), arguments.values());
    // The desktop entry matches the windows to its icon and menu entry by these names.
    QApplication::setApplicationName(QStringLiteral("Spawnsmith"));
    QApplication::setApplicationVersion(QStringLiteral(SPAWNSMITH_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("app.spawnsmith.Spawnsmith"));
    const std::unique_ptr<spawnsmith::Platform> platform = spawnsmith::makeSystemPlatform();
    spawnsmith::Frame frame(*platform);
    // Only what the splash needs comes before it; start-up sets the program's icon once the
    // splash is painted.
    spawnsmith::registerAllWindows(frame);
    spawnsmith::startUp(frame);
    return QApplication::exec();
}
