#include "app/frame.h"
#include "app/window.h"
#include "platform/desktopplatform.h"
#include "wizard/wizard.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace spawnsmith;

// With the real platform: a recording xdg-open placed first on PATH proves what the desktop
// is handed, byte for byte, and that it is handed over once per press.
class InfoLaunchTest : public QObject {
    Q_OBJECT
    QByteArray recorded() const;

    QTemporaryDir m_dir;

private slots:
    void initTestCase();
    void pressHandsOverOnce_data();
    void pressHandsOverOnce();
};

void InfoLaunchTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    QFile script(m_dir.filePath("xdg-open"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    // One record per start: the argument count, a colon, the first argument and a NUL.
    script.write("#!/bin/sh\nprintf '%s:%s\\000' \"$#\" \"$1\" >> \"$(dirname \"$0\")/record\"\n");
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(m_dir.path()) + ":" + qgetenv("PATH"));
}

QByteArray InfoLaunchTest::recorded() const {
    QFile record(m_dir.filePath("record"));
    return record.open(QIODevice::ReadOnly) ? record.readAll() : QByteArray();
}

void InfoLaunchTest::pressHandsOverOnce_data() {
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

void InfoLaunchTest::pressHandsOverOnce() {
    QFETCH(QString, entry);
    QFETCH(QString, button);
    QFETCH(QByteArray, handedOver);
    QFile::remove(m_dir.filePath("record"));
    DesktopPlatform platform;
    Frame frame(platform);
    addAllWindows(frame);
    frame.show("frmgtapick");
    frame.loaded("frmgtapick")->findChild<QAction*>(entry)->trigger();
    if (!button.isEmpty())
        frame.loaded("frmsendemail")->findChild<QAbstractButton*>(button)->click();

    const QByteArray once = "1:" + handedOver + '\0';
    QTRY_COMPARE_WITH_TIMEOUT(recorded(), once, 10000);
    QTest::qWait(300); // a second start would have recorded by now
    QCOMPARE(recorded(), once);
}

QTEST_MAIN(InfoLaunchTest)
#include "info_launch_test.moc"
