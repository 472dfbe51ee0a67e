#include "app/startup.h"

#include "app/frame.h"
#include "platform/platform.h"

#include <QEventLoop>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QTimer>

#include <cmath>

namespace spawnsmith {

void startUp(Frame& frame) {
    Platform& platform = frame.platform();
    frame.show(QStringLiteral("frmgtaccload"));
    const double start = platform.now();

    // Once the splash is painted, measure a line of text so that the font configuration is
    // loaded during the wait rather than when the game-pick screen first shows.
    QTimer warmFonts;
    warmFonts.setSingleShot(true);
    QObject::connect(&warmFonts, &QTimer::timeout,
                     [] { QFontMetrics(QGuiApplication::font()).height(); });
    warmFonts.start(100);

    // Each pass services whatever events arrive and sleeps otherwise; a precise timer wakes the
    // loop when the remaining time should be up, and the clock decides whether it is.
    QEventLoop loop;
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wake, &QTimer::timeout, &loop, &QEventLoop::quit);
    while (true) {
        const double elapsed = platform.now() - start;
        if (elapsed >= splashSeconds)
            break;
        const double remainingMs = (splashSeconds - elapsed) * 1000.0;
        wake.start(static_cast<int>(std::ceil(remainingMs)));
        loop.exec();
    }

    frame.show(QStringLiteral("frmgtapick"));
    frame.unload(QStringLiteral("frmgtaccload"));
}

} // namespace spawnsmith
