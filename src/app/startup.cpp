#include "app/startup.h"

#include "app/frame.h"
#include "app/window.h"
#include "platform/platform.h"

#include <QEvent>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include <cmath>

namespace spawnsmith {
namespace {

// The start-up work that the splash's first paint does not need, run once that paint has
// reached the window system, so that it does not delay the splash: the program's icon
// (decoded, then set on every window, the splash included) and the font configuration (loaded
// by measuring a line of text, so that the game-pick screen, the first window with text, does
// not wait for it). Should the splash not be painted during the wait, the wait's end runs it.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(Frame& frame, QWidget* splash) : m_frame(frame) {
        if (splash)
            splash->installEventFilter(this);
    }

    void run() {
        if (m_done)
            return;
        m_done = true;
        if (QGuiApplication::windowIcon().isNull())
            setProgramIcon(m_frame);
        QFontMetrics(QGuiApplication::font()).height();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that it runs after the paint has finished; the sync waits until the
            // window system has the painted picture.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    QGuiApplication::sync();
                    run();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    Frame& m_frame;
    bool m_done = false;
};

} // namespace

void setProgramIcon(Frame& frame) {
    QGuiApplication::setWindowIcon(frame.picture(QStringLiteral(":/images/icon.png")));
}

void startUp(Frame& frame) {
    Platform& platform = frame.platform();
    frame.show(WindowId::frmgtaccload);
    const double start = platform.now();
    // The splash is painted from the event loop, so watching from here on misses nothing.
    AfterFirstPaint afterFirstPaint(frame, frame.loaded(WindowId::frmgtaccload));

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

    afterFirstPaint.run();
    frame.show(WindowId::frmgtapick);
    frame.unload(WindowId::frmgtaccload);
}

} // namespace spawnsmith
