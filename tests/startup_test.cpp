#include "support/guitestbase.h"

#include "app/startup.h"
#include "wizard/wizard.h"

#include <QElapsedTimer>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/resource.h>
#endif

using namespace spawnsmith;

// The splash screen's two-second wait, against a scripted clock and against the real one.
class StartupTest : public GuiTestBase {
    Q_OBJECT
private slots:
    void waitEndsAtFirstReadingTwoSecondsOn_data();
    void waitEndsAtFirstReadingTwoSecondsOn();
    void realWaitIsTwoSecondsAndSleeps();
    void splashComesBeforeWhatItDoesNotNeed();
};

void StartupTest::waitEndsAtFirstReadingTwoSecondsOn_data() {
    QTest::addColumn<QList<double>>("readings");
    QTest::addColumn<int>("readingsUsed");
    // The first reading is the start; the wait ends at the first reading >= start + 2.0.
    QTest::newRow("steps") << QList<double>{10.0, 10.5, 11.0, 11.999, 12.0, 99.0} << 5;
    QTest::newRow("one jump") << QList<double>{0.0, 7.0, 99.0} << 2;
    QTest::newRow("just short") << QList<double>{5.0, 6.9999999, 7.0000001, 99.0} << 3;
    // A clock that counts from an arbitrary origin, never wrapping at midnight.
    QTest::newRow("near midnight") << QList<double>{86399.5, 86400.4, 86401.5, 99e9} << 3;
}

void StartupTest::waitEndsAtFirstReadingTwoSecondsOn() {
    QFETCH(QList<double>, readings);
    QFETCH(int, readingsUsed);
    int next = 0;
    bool gamePickSeenEarly = false;
    platform().clock = [&] {
        gamePickSeenEarly |= frame().loaded("frmgtapick") != nullptr;
        return readings.at(qMin(next++, readings.size() - 1));
    };
    startUp(frame());
    QCOMPARE(platform().clockReadings, readingsUsed);
    QVERIFY(!gamePickSeenEarly);
    settle();
    QCOMPARE(frame().loadedWindows(), QStringList{"frmgtapick"});
    QVERIFY(frame().loaded("frmgtapick")->isVisible());
}

// The CPU time (user and system) this process has used so far.
static double cpuSeconds() {
#ifdef Q_OS_WIN
    FILETIME creation, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &creation, &exited, &kernel, &user);
    // FILETIME counts 100-nanosecond ticks in two 32-bit halves.
    const auto ticks = [](const FILETIME& time) {
        return double((quint64(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 1e7;
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
#endif
}

// Wine takes about two seconds to build a window that Windows itself builds in milliseconds, so
// under Wine the wait ends later than on a real system by the game-pick screen's building.
static bool underWine() {
#ifdef Q_OS_WIN
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}

void StartupTest::realWaitIsTwoSecondsAndSleeps() {
    bool splashShownDuringWait = false;
    connect(&frame(), &Frame::windowLoaded, this, [&](const QString& name) {
        if (name == "frmgtapick")
            splashShownDuringWait =
                frame().loaded("frmgtaccload") && frame().loaded("frmgtaccload")->isVisible();
    });
    QElapsedTimer timer;
    timer.start();
    const double cpuBefore = cpuSeconds();
    startUp(frame());
    const qint64 elapsed = timer.elapsed();
    const double cpu = cpuSeconds() - cpuBefore;
    QVERIFY2(elapsed >= 2000, qPrintable(QString::number(elapsed)));
    if (!underWine())
        QVERIFY2(elapsed < 2300, qPrintable(QString::number(elapsed)));
    QVERIFY(splashShownDuringWait);
    // A busy loop would burn the whole two seconds.
    QVERIFY2(cpu < 0.4, qPrintable(QString::number(cpu)));
}

// The splash is shown before the program's icon is decoded and before anything is named for
// assistive technology (naming starts the desktop's accessibility bridge); both follow once the
// splash is on screen.
void StartupTest::splashComesBeforeWhatItDoesNotNeed() {
    QGuiApplication::setWindowIcon(QIcon());
    Frame frame(platform());
    registerAllWindows(frame);
    bool iconBeforeSplash = true;
    bool logoNamedBeforeSplash = true;
    connect(&frame, &Frame::windowLoaded, this, [&](const QString& name) {
        if (name != "frmgtaccload")
            return;
        iconBeforeSplash = !QGuiApplication::windowIcon().isNull();
        logoNamedBeforeSplash =
            !frame.loaded(name)->findChild<QWidget*>("imggtacclogo")->accessibleName().isEmpty();
    });
    startUp(frame); // the real two seconds, in which the splash is painted
    QVERIFY(!iconBeforeSplash);
    QVERIFY(!logoNamedBeforeSplash);
    QVERIFY(!QGuiApplication::windowIcon().isNull());
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
