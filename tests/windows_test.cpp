#include "support/guitestbase.h"

#include "app/layout.h"
#include "app/lockout/exitdialogs.h"
#include "app/lockout/lockoutsets.h"
#include "app/pickscreens.h"
#include "info/composer.h"
#include "info/gamepickmenu.h"
#include "info/textwindows.h"
#include "wizard/wizard.h"

#include <QAbstractButton>
#include <QAction>

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
    void registrationCheckNamesTheWindows();
    void pressWithoutItsTarget_data();
    void pressWithoutItsTarget();
};

namespace {

// A frame with the pick screens, exit dialogs and text windows, but neither the creator and
// result screens nor the composer.
void registerAllButGameScreensAndComposer(Frame& frame) {
    addPickScreens(frame, gamePickMenus());
    addExitDialogs(frame);
    addTextWindows(frame);
}

} // namespace

void WindowsTest::catalogueHasEveryWindowOnce() {
    QStringList names;
    for (const WindowId id : frame().registeredWindows())
        names.append(objectNameOf(id));
    QCOMPARE(names.size(), 54);
    QCOMPARE(names.filter(QRegularExpression("exit$")).size(), 23);
    for (const QString& name : names) {
        Window* window = frame().window(name);
        QCOMPARE(window->objectName(), name);
        QCOMPARE(frame().window(name), window); // one instance
        frame().unload(windowId(name));
    }
}

void WindowsTest::everyWindowIsFixedWithCaptionAndIcon() {
    for (const WindowId id : frame().registeredWindows()) {
        const QString name = objectNameOf(id);
        Window* window = open(name);
        QVERIFY2(window->minimumSize() == window->maximumSize(), qPrintable(name));
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        if (id == WindowId::frmgtaccload) {
            QVERIFY(flags & Qt::FramelessWindowHint);
        } else if (id == WindowId::frmgtasaweapon) {
            QCOMPARE(window->windowTitle(),
                     QString("Spawnsmith| GTA SA Weapon Spawn Point Creator"));
        } else {
            QVERIFY2(window->windowTitle().startsWith("Spawnsmith | "), qPrintable(name));
            QVERIFY(!window->windowIcon().isNull());
            QCOMPARE(window->windowIcon().actualSize(QSize(80, 80)), QSize(80, 80));
        }
        frame().unload(id);
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
    for (const WindowId id : windowsWithLockOutSets()) {
        const QString name = objectNameOf(id);
        Window* window = frame().window(id);
        const QStringList set = lockOutSet(id);
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
        frame().unload(id);
    }
}

void WindowsTest::lockingTouchesOnlyTheSet() {
    for (const WindowId id :
         {WindowId::frmgta3vehicle, WindowId::frmgtavcvehicle, WindowId::frmgtasavehicle}) {
        Window* window = open(objectNameOf(id));
        frame().lock(id);
        QVERIFY(!window->findChild<QWidget*>("lstvehicle", Qt::FindChildrenRecursively) ||
                !window->findChild<QWidget*>("lstvehicle")->isEnabled());
        QVERIFY(window->findChild<QWidget*>("txtangle")->isEnabled());
        QVERIFY(window->findChild<QWidget*>("lblangle")->isEnabled());
        QVERIFY(!window->findChild<QWidget*>("cmdgencode")->isEnabled());
        frame().unlock(id);
        for (QWidget* child : window->client()->findChildren<QWidget*>())
            QVERIFY(child->isEnabled());
        frame().unload(id);
    }
}

void WindowsTest::registrationCheckNamesTheWindows() {
    QCOMPARE(frame().registrationProblems(), QStringList());
    Frame partial(platform());
    registerAllButGameScreensAndComposer(partial);
    const QStringList problems = partial.registrationProblems();
    QCOMPARE(problems.size(), 19);
    QVERIFY(problems.contains("frmgta3weapon has no builder"));
    QVERIFY(problems.contains("frmgtasavehiclefinished has no builder"));
    QCOMPARE(problems.last(), QString("frmsendemail has no builder"));

    Frame twice(platform());
    addAllWindows(twice);
    addComposer(twice);
    QCOMPARE(twice.registrationProblems(), QStringList{"frmsendemail is registered 2 times"});
}

// A press whose target the frame cannot build leaves its screen loaded, shown and unlocked.
void WindowsTest::pressWithoutItsTarget_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("control");
    QTest::newRow("navigate") << "frmgta3codepick"
                              << "cmdgta3weapon";
    QTest::newRow("open dialog") << "frmgtapick"
                                 << "mnuemail";
}

void WindowsTest::pressWithoutItsTarget() {
    QFETCH(QString, screen);
    QFETCH(QString, control);
    frame().unloadAll();
    Frame partial(platform());
    registerAllButGameScreensAndComposer(partial);
    partial.show(windowId(screen));
    Window* shown = partial.loaded(screen);
    if (auto* button = shown->findChild<QAbstractButton*>(control))
        button->click();
    else
        shown->findChild<QAction*>(control)->trigger();
    settle();
    QCOMPARE(partial.loadedWindows(), QStringList{screen});
    QVERIFY(shown->isVisible());
    for (const QString& name : lockOutSet(windowId(screen)))
        QVERIFY2(shown->findChild<QWidget*>(name)->isEnabled(), qPrintable(name));
}

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
