#include "platform/qtplatformchoice.h"

#include <QGuiApplication>
#include <QScopeGuard>
#include <QTest>

#include <vector>

using namespace spawnsmith;

class QtPlatformChoiceTest : public QObject {
    Q_OBJECT

private slots:
    void choice_data();
    void choice();
    void readsThisProcessEnvironment();
    void commandLine_data();
    void commandLine();
    void noProgramName();
};

void QtPlatformChoiceTest::choice_data() {
    QTest::addColumn<QByteArray>("qtQpaPlatform");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QByteArray>("sessionType");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("expected");

    // The user's own choice wins, whatever it names and whatever the session offers.
    QTest::newRow("user: wayland in a session with XWayland")
        << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray("wayland")
        << QByteArray(":0") << QByteArray();
    QTest::newRow("user: xcb in a Wayland session without XWayland")
        << QByteArray("xcb") << QByteArray("wayland-0") << QByteArray("wayland") << QByteArray()
        << QByteArray();
    QTest::newRow("user: a list") << QByteArray("wayland;xcb") << QByteArray("wayland-0")
                                  << QByteArray() << QByteArray(":1") << QByteArray();
    QTest::newRow("user: offscreen") << QByteArray("offscreen") << QByteArray("wayland-0")
                                     << QByteArray("wayland") << QByteArray(":0") << QByteArray();
    QTest::newRow("user: a plugin Qt may not have")
        << QByteArray("no-such-plugin") << QByteArray("w") << QByteArray("wayland")
        << QByteArray(":0") << QByteArray();
    // Qt ignores an empty QT_QPA_PLATFORM, and so does the choice.
    QTest::newRow("user: empty is no choice")
        << QByteArray("") << QByteArray("wayland-0") << QByteArray("wayland") << QByteArray(":0")
        << QByteArray("xcb;wayland");

    // A Wayland session with XWayland: X11 first, Wayland as the fallback.
    QTest::newRow("Wayland session, both signs, XWayland")
        << QByteArray() << QByteArray("wayland-0") << QByteArray("wayland") << QByteArray(":0")
        << QByteArray("xcb;wayland");
    QTest::newRow("WAYLAND_DISPLAY alone, XWayland")
        << QByteArray() << QByteArray("wayland-1") << QByteArray() << QByteArray(":1")
        << QByteArray("xcb;wayland");
    QTest::newRow("XDG_SESSION_TYPE=wayland alone, XWayland")
        << QByteArray() << QByteArray() << QByteArray("wayland") << QByteArray(":0")
        << QByteArray("xcb;wayland");
    QTest::newRow("compositor socket by path, XWayland")
        << QByteArray() << QByteArray("/run/user/1000/wayland-0") << QByteArray("tty")
        << QByteArray(":2") << QByteArray("xcb;wayland");

    // A compositor's socket inside an X11 session (a nested compositor, or a variable left
    // over): Qt on its own would try Wayland first; the program stays on the X server.
    QTest::newRow("X11 session with WAYLAND_DISPLAY")
        << QByteArray() << QByteArray("wayland-0") << QByteArray("x11") << QByteArray(":0")
        << QByteArray("xcb;wayland");

    // A Wayland session without XWayland: Qt's own choice, which is Wayland there.
    QTest::newRow("Wayland session, no DISPLAY")
        << QByteArray() << QByteArray("wayland-0") << QByteArray("wayland") << QByteArray()
        << QByteArray();
    QTest::newRow("WAYLAND_DISPLAY alone, no DISPLAY")
        << QByteArray() << QByteArray("wayland-0") << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("XDG_SESSION_TYPE=wayland alone, no DISPLAY")
        << QByteArray() << QByteArray() << QByteArray("wayland") << QByteArray() << QByteArray();

    // No Wayland session: Qt's own choice.
    QTest::newRow("X11 session") << QByteArray() << QByteArray() << QByteArray("x11")
                                 << QByteArray(":0") << QByteArray();
    QTest::newRow("X server, no session type")
        << QByteArray() << QByteArray() << QByteArray() << QByteArray(":0") << QByteArray();
    QTest::newRow("text console") << QByteArray() << QByteArray() << QByteArray("tty")
                                  << QByteArray() << QByteArray();
    QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << QByteArray()
                                 << QByteArray();
}

void QtPlatformChoiceTest::choice() {
    QFETCH(QByteArray, qtQpaPlatform);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArray, sessionType);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, expected);
    QCOMPARE(preferredQtPlatform({qtQpaPlatform, waylandDisplay, sessionType, display}), expected);
}

// Each variable is read from the environment under its own name (on Linux; elsewhere Qt has
// one window-system platform and the answer is always empty).
void QtPlatformChoiceTest::readsThisProcessEnvironment() {
    const char* const names[] = {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE",
                                 "DISPLAY"};
    QList<QByteArray> saved;
    for (const char* name : names)
        saved.append(qgetenv(name));
    const auto restore = qScopeGuard([&] {
        for (qsizetype i = 0; i < saved.size(); ++i) {
            if (saved[i].isNull())
                qunsetenv(names[i]);
            else
                qputenv(names[i], saved[i]);
        }
    });

    qunsetenv("QT_QPA_PLATFORM");
    qunsetenv("XDG_SESSION_TYPE");
    qputenv("WAYLAND_DISPLAY", "wayland-7");
    qputenv("DISPLAY", ":7");
#ifdef Q_OS_LINUX
    const QByteArray withXWayland = "xcb;wayland";
#else
    const QByteArray withXWayland;
#endif
    QCOMPARE(preferredQtPlatformForThisProcess(), withXWayland);
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("XDG_SESSION_TYPE", "wayland");
    QCOMPARE(preferredQtPlatformForThisProcess(), withXWayland);
    qunsetenv("DISPLAY");
    QCOMPARE(preferredQtPlatformForThisProcess(), QByteArray());
    qputenv("DISPLAY", ":7");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCOMPARE(preferredQtPlatformForThisProcess(), QByteArray());
}

// What Qt makes of the command line with the choice put in: the platform it loads and the
// arguments it leaves to the program. "minimal" stands for the program's choice and "offscreen"
// for the user's, two platforms every Qt has.
void QtPlatformChoiceTest::commandLine_data() {
    QTest::addColumn<QByteArrayList>("userArguments");
    QTest::addColumn<QByteArray>("choice");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QStringList>("leftToProgram");

    QTest::newRow("the choice alone")
        << QByteArrayList() << QByteArray("minimal") << QString("minimal") << QStringList();
    QTest::newRow("user's -platform wins")
        << QByteArrayList{"-platform", "offscreen"} << QByteArray("minimal") << QString("offscreen")
        << QStringList();
    QTest::newRow("user's --platform wins")
        << QByteArrayList{"--platform", "offscreen"} << QByteArray("minimal")
        << QString("offscreen") << QStringList();
    QTest::newRow("user's -platform without a choice")
        << QByteArrayList{"-platform", "offscreen"} << QByteArray() << QString("offscreen")
        << QStringList();
    QTest::newRow("user's own arguments kept in order")
        << QByteArrayList{"first", "-x", "with space"} << QByteArray("minimal")
        << QString("minimal") << QStringList{"first", "-x", "with space"};
    QTest::newRow("user's own arguments around the user's -platform")
        << QByteArrayList{"first", "-platform", "offscreen", "last"} << QByteArray("minimal")
        << QString("offscreen") << QStringList{"first", "last"};
}

void QtPlatformChoiceTest::commandLine() {
    QFETCH(QByteArrayList, userArguments);
    QFETCH(QByteArray, choice);
    QFETCH(QString, platform);
    QFETCH(QStringList, leftToProgram);

    // The program puts its choice on the command line only where QT_QPA_PLATFORM is not set;
    // here it must not stand in for a choice that was lost either.
    const QByteArray savedVariable = qgetenv("QT_QPA_PLATFORM");
    const auto restore = qScopeGuard([&] {
        if (!savedVariable.isNull())
            qputenv("QT_QPA_PLATFORM", savedVariable);
    });
    qunsetenv("QT_QPA_PLATFORM");

    QByteArray program("spawnsmith");
    std::vector<char*> argv{program.data()};
    for (QByteArray& argument : userArguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    ArgumentsWithPlatform arguments(static_cast<int>(argv.size() - 1), argv.data(), choice);
    QGuiApplication app(arguments.count(), arguments.values());
    QCOMPARE(QGuiApplication::platformName(), platform);
    QCOMPARE(QCoreApplication::arguments(), QStringList{"spawnsmith"} + leftToProgram);
}

// With no arguments at all (a program started with an empty argv) there is nowhere to put the
// option, and the array stays an empty, terminated one.
void QtPlatformChoiceTest::noProgramName() {
    char* argv[] = {nullptr};
    ArgumentsWithPlatform arguments(0, argv, "xcb;wayland");
    QCOMPARE(arguments.count(), 0);
    QCOMPARE(arguments.values()[0], nullptr);
}

QTEST_APPLESS_MAIN(QtPlatformChoiceTest)
#include "qtplatformchoice_test.moc"
