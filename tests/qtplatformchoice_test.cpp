#include "platform/qtplatformchoice.h"

#include <QGuiApplication>
#include <QScopeGuard>
#include <QTest>

#include <vector>

using namespace spawnsmith;

Q_DECLARE_METATYPE(DisplayEnvironment)

class QtPlatformChoiceTest : public QObject {
    Q_OBJECT

private slots:
    void choice_data();
    void choice();
    void commandLine_data();
    void commandLine();
    void noProgramName();
};

void QtPlatformChoiceTest::choice_data() {
    QTest::addColumn<DisplayEnvironment>("environment"); // QT_QPA_PLATFORM, WAYLAND_DISPLAY,
                                                         // XDG_SESSION_TYPE, DISPLAY
    QTest::addColumn<QByteArray>("expected");
    const QByteArray leaveToQt;
    // The user's own choice wins, whatever the session offers; an empty one is no choice.
    QTest::newRow("user's choice")
        << DisplayEnvironment{"wayland", "wayland-0", "wayland", ":0"} << leaveToQt;
    QTest::newRow("user's empty choice")
        << DisplayEnvironment{"", "wayland-0", "wayland", ":0"} << QByteArray("xcb;wayland");
    // A Wayland session with XWayland, by either sign: X11 first, Wayland as the fallback.
    QTest::newRow("Wayland session, XWayland")
        << DisplayEnvironment{{}, "wayland-0", "wayland", ":0"} << QByteArray("xcb;wayland");
    QTest::newRow("session type alone, XWayland")
        << DisplayEnvironment{{}, {}, "wayland", ":0"} << QByteArray("xcb;wayland");
    // A compositor's socket inside an X11 session: Qt alone would try Wayland first.
    QTest::newRow("X11 session with WAYLAND_DISPLAY")
        << DisplayEnvironment{{}, "wayland-0", "x11", ":0"} << QByteArray("xcb;wayland");
    // Without XWayland, and outside Wayland, Qt's own choice stands.
    QTest::newRow("Wayland session, no DISPLAY")
        << DisplayEnvironment{{}, "wayland-0", "wayland", {}} << leaveToQt;
    QTest::newRow("X11 session") << DisplayEnvironment{{}, {}, "x11", ":0"} << leaveToQt;
    QTest::newRow("nothing set") << DisplayEnvironment{} << leaveToQt;
}

void QtPlatformChoiceTest::choice() {
    QFETCH(DisplayEnvironment, environment);
    QFETCH(QByteArray, expected);
    QCOMPARE(preferredQtPlatform(environment), expected);
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
    QTest::newRow("user's own arguments kept in order")
        << QByteArrayList{"first", "-x", "with space"} << QByteArray("minimal")
        << QString("minimal") << QStringList{"first", "-x", "with space"};
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
