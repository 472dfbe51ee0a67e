#include "app/frame.h"
#include "app/startup.h"
#include "cli/commandline.h"
#include "platform/qtplatformchoice.h"
#include "platform/systemplatform.h"
#include "wizard/wizard.h"

#include <QApplication>

namespace {

// The command line needs no display: it runs on a core application, and no GUI object exists.
int runCommandLine(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    return spawnsmith::cli::runCommandLine(QCoreApplication::arguments(),
                                           QStringLiteral(SPAWNSMITH_VERSION));
}

} // namespace

int main(int argc, char* argv[]) {
    // A subcommand, --help or --version as the first argument asks for the command line; no
    // argument (a start from the desktop), or only Qt's own, opens the wizard.
    if (spawnsmith::cli::isCommandLine(argc, argv))
        return runCommandLine(argc, argv);
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
