#include "app/frame.h"
#include "app/window.h"
#include "info/builtins.h"
#include "platform/desktopplatform.h"
#include "support/settle.h"
#include "wizard/wizard.h"

#include <QAbstractButton>
#include <QAction>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QVariantMap>

using namespace spawnsmith;

namespace {

// Stands in for the desktop portal on a private session bus and records the URIs it is asked
// to open.
class FakePortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.OpenURI")
public:
    QStringList opened;

public slots:
    QDBusObjectPath OpenURI(const QString&, const QString& uri, const QVariantMap&) {
        opened.append(uri);
        return QDBusObjectPath("/org/freedesktop/portal/desktop/request/1_1/t");
    }
};

} // namespace

// The Unix desktop platform, for real: a recording xdg-open placed first on PATH proves what
// the desktop is handed, byte for byte, and that it is handed over once per press; a private
// session bus with a stand-in portal takes what is too long for a command line.
class DesktopPlatformTest : public QObject {
    Q_OBJECT
    QByteArray recorded() const;
    void startPrivateBus();

    QTemporaryDir m_dir;
    QProcess m_bus;
    FakePortal m_portal;

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void pressHandsOverOnce_data();
    void pressHandsOverOnce();
    void urlBytesArriveUnchanged();
    void browserPathIsNeverLookedUpInTheCurrentFolder_data();
    void browserPathIsNeverLookedUpInTheCurrentFolder();
    void mailTooLongForACommandLine_data();
    void mailTooLongForACommandLine();
    void missingOpenerIsReported();
    void startsWithoutAnXServer();
};

void DesktopPlatformTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    QFile script(m_dir.filePath("bin/xdg-open"));
    QVERIFY(QDir(m_dir.path()).mkpath("bin"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    // One record per start: the argument count, a colon, the first argument and a NUL.
    script.write(
        "#!/bin/sh\nprintf '%s:%s\\000' \"$#\" \"$1\" >> \"$(dirname \"$0\")/../record\"\n");
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(m_dir.filePath("bin")) + ":" + qgetenv("PATH"));
    startPrivateBus();
}

// A bus of the test's own, with no services to start, so that no real portal answers.
void DesktopPlatformTest::startPrivateBus() {
    QFile config(m_dir.filePath("bus.conf"));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(
        "<busconfig><type>session</type><listen>unix:tmpdir=" + QFile::encodeName(m_dir.path()) +
        "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
        "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
        "<allow own=\"*\"/></policy></busconfig>");
    config.close();
    m_bus.start("dbus-daemon",
                {"--nofork", "--print-address=1", "--config-file=" + config.fileName()});
    QVERIFY2(m_bus.waitForStarted(), "dbus-daemon is missing");
    QVERIFY(m_bus.waitForReadyRead(5000));
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());
}

void DesktopPlatformTest::cleanupTestCase() {
    m_bus.kill();
    m_bus.waitForFinished();
}

void DesktopPlatformTest::init() {
    QFile::remove(m_dir.filePath("record"));
}

QByteArray DesktopPlatformTest::recorded() const {
    QFile record(m_dir.filePath("record"));
    return record.open(QIODevice::ReadOnly) ? record.readAll() : QByteArray();
}

void DesktopPlatformTest::pressHandsOverOnce_data() {
    QTest::addColumn<QString>("entry");  // the menu entry pressed on the game-pick screen
    QTest::addColumn<QString>("button"); // then this button of the window it opened, if any
    QTest::addColumn<QByteArray>("handedOver");
    QTest::newRow("e-mail") << "mnuemail"
                            << "cmdSend"
                            << QByteArray("mailto:tarvik@spawnsmith.app?Subject=Spawnsmith&Body="
                                          "Enter your E-Mail message here. Remember I will not "
                                          "%0D%0Agive you permission to edit the tool so don't "
                                          "even %0D%0Aask. If you are reporting a site hosting "
                                          "this tool %0D%0Awithout my permission then please "
                                          "check the Web %0D%0ASites listed in the latest "
                                          "version before reporting to me.%0D%0A");
    QTest::newRow("personal site") << "mnutarvik"
                                   << "" << QByteArray("https://tarvik.spawnsmith.app/");
    QTest::newRow("forum") << "mnugtaf"
                           << "" << QByteArray("https://gtaforums.com/");
    QTest::newRow("community") << "mnugtau"
                               << "" << QByteArray("https://www.gtauniverse.com/");
}

void DesktopPlatformTest::pressHandsOverOnce() {
    QFETCH(QString, entry);
    QFETCH(QString, button);
    QFETCH(QByteArray, handedOver);
    DesktopPlatform platform;
    Frame frame(platform);
    addAllWindows(frame);
    frame.show(WindowId::frmgtapick);
    frame.loaded("frmgtapick")->findChild<QAction*>(entry)->trigger();
    if (!button.isEmpty())
        frame.loaded("frmsendemail")->findChild<QAbstractButton*>(button)->click();

    const QByteArray once = "1:" + handedOver + '\0';
    QTRY_COMPARE_WITH_TIMEOUT(recorded(), once, 10000);
    QTest::qWait(300); // a second start would have recorded by now
    QCOMPARE(recorded(), once);
}

// The URL leaves in the ANSI code page: every byte but NUL reaches the opener as it is, none
// decoded as UTF-8 on the way.
void DesktopPlatformTest::urlBytesArriveUnchanged() {
    QByteArray url = "mailto:";
    for (int byte = 1; byte < 256; ++byte)
        url.append(static_cast<char>(byte));
    DesktopPlatform().openUrl(url, 0);
    QTRY_COMPARE_WITH_TIMEOUT(recorded(), "1:" + url + '\0', 10000);
}

void DesktopPlatformTest::browserPathIsNeverLookedUpInTheCurrentFolder_data() {
    QTest::addColumn<bool>("pathHoldsCurrentFolder");
    QTest::newRow("planted in the current folder") << false;
    QTest::newRow("planted, and PATH holds '.'") << true;
}

// A program planted in the current folder under the browser's Windows path neither runs nor
// keeps the web-site entries from starting the desktop's browser.
void DesktopPlatformTest::browserPathIsNeverLookedUpInTheCurrentFolder() {
    QFETCH(bool, pathHoldsCurrentFolder);
    QTemporaryDir current;
    const QString planted = current.filePath(QString::fromUtf8(builtin::browserPath));
    QFile program(planted);
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\ntouch \"$(dirname \"$0\")/planted-ran\"\n");
    program.close();
    program.setPermissions(program.permissions() | QFile::ExeOwner);
    const QString before = QDir::currentPath();
    const QByteArray path = qgetenv("PATH");
    QDir::setCurrent(current.path());
    if (pathHoldsCurrentFolder)
        qputenv("PATH", ".:" + path);

    DesktopPlatform platform;
    Frame frame(platform);
    addAllWindows(frame);
    frame.show(WindowId::frmgtapick);
    frame.loaded("frmgtapick")->findChild<QAction*>("mnutarvik")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(recorded(), QByteArray("1:https://tarvik.spawnsmith.app/") + '\0',
                              10000);
    QTest::qWait(300);
    qputenv("PATH", path);
    QDir::setCurrent(before);
    QVERIFY(!QFile::exists(current.filePath("planted-ran")));
}

void DesktopPlatformTest::mailTooLongForACommandLine_data() {
    QTest::addColumn<bool>("portal");
    QTest::newRow("through the desktop portal") << true;
    QTest::newRow("no portal: said on standard error") << false;
}

// CC and BCC of 22,000 "é" each make a URL of about 132 KB, more than one command line
// argument may hold: it goes to the desktop portal whole, or where there is none, a line on
// standard error says why, and the composer stays as it was.
void DesktopPlatformTest::mailTooLongForACommandLine() {
    QFETCH(bool, portal);
    QDBusConnection portalSide = QDBusConnection::connectToBus(
        QString::fromLatin1(qgetenv("DBUS_SESSION_BUS_ADDRESS")), "portal");
    if (portal) {
        QVERIFY(portalSide.registerObject("/org/freedesktop/portal/desktop", &m_portal,
                                          QDBusConnection::ExportAllSlots));
        QVERIFY(portalSide.registerService("org.freedesktop.portal.Desktop"));
    } else {
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^spawnsmith: the desktop portal did not open"));
    }
    m_portal.opened.clear();

    DesktopPlatform platform;
    Frame frame(platform);
    addAllWindows(frame);
    frame.show(WindowId::frmgtapick);
    frame.loaded("frmgtapick")->findChild<QAction*>("mnuemail")->trigger();
    Window* composer = frame.loaded("frmsendemail");
    const QString many(22000, QChar(0xE9));
    composer->findChild<QLineEdit*>("txtCc")->setText(many);
    composer->findChild<QLineEdit*>("txtBcc")->setText(many);
    composer->findChild<QAbstractButton*>("cmdSend")->click();

    if (portal) {
        QTRY_COMPARE_WITH_TIMEOUT(m_portal.opened.size(), 1, 10000);
        const QString url = m_portal.opened.first();
        QVERIFY(url.startsWith("mailto:tarvik@spawnsmith.app?CC=%E9%E9"));
        QVERIFY(url.size() > 131072);
        QCOMPARE(url.count("%E9"), 44000);
        portalSide.unregisterService("org.freedesktop.portal.Desktop");
        portalSide.unregisterObject("/org/freedesktop/portal/desktop");
    } else {
        QTest::qWait(500); // the bus's refusal arrives as a reply
    }
    QDBusConnection::disconnectFromBus("portal");
    QCOMPARE(recorded(), QByteArray());
    QCOMPARE(frame.loadedWindows(), QStringList({"frmgtapick", "frmsendemail"}));
    QCOMPARE(composer->findChild<QLineEdit*>("txtCc")->text(), many);
}

void DesktopPlatformTest::missingOpenerIsReported() {
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^spawnsmith: could not hand the .* "
                                                          "to xdg-open: No such file"));
    DesktopPlatform().openUrl("mailto:a@b", 0);
    qputenv("PATH", path);
}

QTEST_MAIN(DesktopPlatformTest)
// Headless (these suites run on the offscreen platform) the program starts and shows its
// captionless splash: taking the window's X name off does nothing where there is no X server.
void DesktopPlatformTest::startsWithoutAnXServer() {
    DesktopPlatform platform;
    Frame frame(platform);
    addAllWindows(frame);
    frame.show(WindowId::frmgtaccload);
    QVERIFY(frame.loaded("frmgtaccload")->isVisible());
}

#include "desktopplatform_test.moc"
