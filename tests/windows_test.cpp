#include "support/guitestbase.h"

#include "app/layout.h"
#include "app/lockout/lockoutsets.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>

using namespace spawnsmith;

// The window catalogue as a whole: names, captions, sizes, frames, and the lock-out sets.
class WindowsTest : public GuiTestBase {
    Q_OBJECT
private slots:
    void catalogueHasEveryWindowOnce();
    void everyWindowIsFixedWithCaptionAndIcon();
    void clientSizes_data();
    void clientSizes();
    void lockOutSetsCoverTheirWindows();
    void lockingTouchesOnlyTheSet();
};

void WindowsTest::catalogueHasEveryWindowOnce() {
    const QStringList names = frame().registeredWindows();
    QCOMPARE(names.size(), 54);
    QCOMPARE(names.filter(QRegularExpression("exit$")).size(), 23);
    for (const QString& name : names) {
        Window* window = frame().window(name);
        QCOMPARE(window->objectName(), name);
        QCOMPARE(frame().window(name), window); // one instance
        frame().unload(name);
    }
}

void WindowsTest::everyWindowIsFixedWithCaptionAndIcon() {
    for (const QString& name : frame().registeredWindows()) {
        Window* window = open(name);
        QVERIFY2(window->minimumSize() == window->maximumSize(), qPrintable(name));
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        if (name == "frmgtaccload") {
            QVERIFY(flags & Qt::FramelessWindowHint);
        } else if (name == "frmgtasaweapon") {
            QCOMPARE(window->windowTitle(),
                     QString("Spawnsmith| GTA SA Weapon Spawn Point Creator"));
        } else {
            QVERIFY2(window->windowTitle().startsWith("Spawnsmith | "), qPrintable(name));
            QVERIFY(!window->windowIcon().isNull());
            QCOMPARE(window->windowIcon().actualSize(QSize(80, 80)), QSize(80, 80));
        }
        frame().unload(name);
    }
}

void WindowsTest::clientSizes_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("twips");
    QTest::newRow("splash") << "frmgtaccload" << QSize(4995, 3405);
    QTest::newRow("game pick") << "frmgtapick" << QSize(10095, 4095);
    QTest::newRow("code pick") << "frmgtasacodepick" << QSize(4260, 3630);
    QTest::newRow("creator") << "frmgta3weapon" << QSize(5865, 3570);
    QTest::newRow("sa vehicle") << "frmgtasavehicle" << QSize(6555, 4485);
    QTest::newRow("result") << "frmgtavcitemfinished" << QSize(5520, 2055);
    QTest::newRow("exit dialog") << "frmgta3cpexit" << QSize(3210, 975);
    QTest::newRow("wider exit dialog") << "frmgtagpexit" << QSize(3240, 975);
    QTest::newRow("smaller exit dialog") << "frmgtavcvehiclefinishedexit" << QSize(3180, 945);
    QTest::newRow("not available") << "frm3notavailable" << QSize(4695, 1830);
}

void WindowsTest::clientSizes() {
    QFETCH(QString, window);
    QFETCH(QSize, twips);
    Window* shown = open(window);
    QCOMPARE(shown->client()->size(), QSize(px(twips.width()), px(twips.height())));
}

// Every named control of a window is in its set, but for the few that must stay usable.
void WindowsTest::lockOutSetsCoverTheirWindows() {
    const QStringList alwaysUsable{"txtangle", "lblangle"};
    QCOMPARE(windowsWithLockOutSets().size(), 23);
    for (const QString& name : windowsWithLockOutSets()) {
        Window* window = frame().window(name);
        const QStringList set = lockOutSet(name);
        QCOMPARE(QSet<QString>(set.begin(), set.end()).size(), set.size());
        for (const QString& control : set)
            QVERIFY2(window->findChild<QObject*>(control), qPrintable(name + "." + control));
        for (QWidget* child : window->client()->findChildren<QWidget*>()) {
            const QString control = child->objectName();
            if (control.isEmpty() || control.startsWith("qt_") || alwaysUsable.contains(control) ||
                control.startsWith("Label1"))
                continue;
            QVERIFY2(set.contains(control), qPrintable(name + "." + control + " not in its set"));
        }
        frame().unload(name);
    }
}

void WindowsTest::lockingTouchesOnlyTheSet() {
    for (const char* name : {"frmgta3vehicle", "frmgtavcvehicle", "frmgtasavehicle"}) {
        Window* window = open(name);
        frame().lock(name);
        QVERIFY(!window->findChild<QWidget*>("lstvehicle", Qt::FindChildrenRecursively) ||
                !window->findChild<QWidget*>("lstvehicle")->isEnabled());
        QVERIFY(window->findChild<QWidget*>("txtangle")->isEnabled());
        QVERIFY(window->findChild<QWidget*>("lblangle")->isEnabled());
        QVERIFY(!window->findChild<QWidget*>("cmdgencode")->isEnabled());
        frame().unlock(name);
        for (QWidget* child : window->client()->findChildren<QWidget*>())
            QVERIFY(child->isEnabled());
        frame().unload(name);
    }
}

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
