#include "app/frame.h"
#include "app/screens.h"
#include "app/startup.h"
#include "platform/desktopplatform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Spawnsmith"));
    spawnsmith::DesktopPlatform platform;
    spawnsmith::Frame frame(platform);
    spawnsmith::addAllWindows(frame);
    spawnsmith::startUp(frame);
    return QApplication::exec();
}
