#include "support/guitestbase.h"

#include "app/lockout/lockoutsets.h"
#include "app/widgets/textarea.h"

#include <QApplication>
#include <QScrollBar>

using namespace spawnsmith;

// The game-pick screen's menu bar and the windows it opens.
class InfoMenuTest : public GuiTestBase {
    Q_OBJECT
    // Enabled flags of the game-pick screen's lock-out set.
    QList<bool> pickEnabled() {
        QList<bool> flags;
        for (const QString& name : lockOutSet(WindowId::frmgtapick))
            flags << control<QWidget>("frmgtapick", name)->isEnabled();
        return flags;
    }
    // Presses keys on the game-pick screen as a user would: the screen is activated first, and
    // the keys go to whatever window is active then (a dialog open over the screen comes to the
    // front when the screen is activated).
    void pressOnPick(const QKeySequence& keys) {
        Window* pick = frame().loaded("frmgtapick");
        pick->activateWindow();
        QTRY_VERIFY(QApplication::activeWindow());
        settle();
        QTest::keySequence(QApplication::activeWindow(), keys);
        settle();
    }
    QStringList overPick(const QString& window) {
        QStringList names{"frmgtapick", window};
        names.sort(); // as loadedWindows() lists them
        return names;
    }
    const QList<bool> unlocked = QList<bool>(8, true);
    const QList<bool> locked = QList<bool>(8, false);

private slots:
    void init() {
        GuiTestBase::init();
        open("frmgtapick");
    }

    void entriesOpenTheirWindowOverLockedScreen_data();
    void entriesOpenTheirWindowOverLockedScreen();
    void lockedScreenIgnoresMenuKeys_data();
    void lockedScreenIgnoresMenuKeys();
    void webSitesStartBrowserEachTime_data();
    void webSitesStartBrowserEachTime();
    void controlsAreNamedAndBoxesNeedNoScrolling();
};

void InfoMenuTest::entriesOpenTheirWindowOverLockedScreen_data() {
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<QKeySequence>("accessKeys"); // Alt and the title's key, then the entry's
    QTest::addColumn<QString>("window");
    QTest::newRow("Program") << QKeySequence("Ctrl+P") << QKeySequence("Alt+A, P")
                             << "frmaboutprogram";
    QTest::newRow("Version") << QKeySequence("Ctrl+V") << QKeySequence("Alt+A, V")
                             << "frmaboutversion";
    QTest::newRow("Copyright") << QKeySequence("Ctrl+O") << QKeySequence("Alt+A, O")
                               << "frmaboutcopyright";
    QTest::newRow("Thanks") << QKeySequence("Ctrl+T") << QKeySequence("Alt+B, T") << "frmthanks";
    QTest::newRow("E-Mail") << QKeySequence("Ctrl+E") << QKeySequence("Alt+C, E") << "frmsendemail";
}

// By shortcut and by access keys (what the entry does once chosen is checked in windows_test).
void InfoMenuTest::entriesOpenTheirWindowOverLockedScreen() {
    QFETCH(QKeySequence, shortcut);
    QFETCH(QKeySequence, accessKeys);
    QFETCH(QString, window);
    pressOnPick(shortcut);
    QCOMPARE(frame().loadedWindows(), overPick(window));
    QCOMPARE(pickEnabled(), locked);
    frame().closeDialog(windowId(window), WindowId::frmgtapick);
    settle();

    pressOnPick(QKeySequence(accessKeys[0]));
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keySequence(QApplication::activePopupWidget(), QKeySequence(accessKeys[1]));
    settle();
    QCOMPARE(frame().loadedWindows(), overPick(window));
}

void InfoMenuTest::lockedScreenIgnoresMenuKeys_data() {
    QTest::addColumn<QString>("opener"); // the game-pick control that opens a window over it
    QTest::addColumn<QString>("window");
    QTest::newRow("information window") << "mnuversion"
                                        << "frmaboutversion";
    QTest::newRow("composer") << "mnuemail"
                              << "frmsendemail";
    QTest::newRow("exit dialog") << "cmdexit"
                                 << "frmgtagpexit";
}

void InfoMenuTest::lockedScreenIgnoresMenuKeys() {
    QFETCH(QString, opener);
    QFETCH(QString, window);
    if (auto* entry = frame().loaded("frmgtapick")->findChild<QAction*>(opener))
        entry->trigger();
    else
        click("frmgtapick", opener);
    for (const char* keys : {"Ctrl+P", "Ctrl+V", "Ctrl+O", "Ctrl+T", "Ctrl+E", "Ctrl+Y", "Ctrl+F",
                             "Ctrl+G", "Alt+A", "Alt+B", "Alt+C", "Alt+W"}) {
        pressOnPick(QKeySequence(keys));
        QVERIFY2(!QApplication::activePopupWidget(), keys);
    }
    QCOMPARE(frame().loadedWindows(), overPick(window));
    QVERIFY(platform().started.isEmpty() && platform().openedUrls.isEmpty());
    QCOMPARE(pickEnabled(), locked);
}

void InfoMenuTest::webSitesStartBrowserEachTime_data() {
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("browserAtItsPath");
    QTest::newRow("personal, browser at its path")
        << QKeySequence("Ctrl+Y") << "https://tarvik.spawnsmith.app/" << true;
    QTest::newRow("forum, desktop browser")
        << QKeySequence("Ctrl+F") << "https://gtaforums.com/" << false;
    QTest::newRow("community, desktop browser")
        << QKeySequence("Ctrl+G") << "https://www.gtauniverse.com/" << false;
}

void InfoMenuTest::webSitesStartBrowserEachTime() {
    QFETCH(QKeySequence, shortcut);
    QFETCH(QString, address);
    QFETCH(bool, browserAtItsPath);
    const QString browser = "C:\\Program Files\\Internet Explorer\\IEXPLORE.exe";
    if (browserAtItsPath)
        platform().existingPrograms << browser;
    pressOnPick(shortcut);
    pressOnPick(shortcut);
    using Run = QPair<QString, QStringList>;
    const Run run{browser, {address}};
    const QByteArray url = address.toLatin1();
    QCOMPARE(platform().started, (browserAtItsPath ? QList<Run>{run, run} : QList<Run>{}));
    QCOMPARE(platform().openedUrls, (browserAtItsPath ? QList<QByteArray>{} : QList{url, url}));
    QCOMPARE(frame().loadedWindows(), QStringList{"frmgtapick"});
    QCOMPARE(pickEnabled(), unlocked);
}

// Every control is named for assistive tools, and the read-only boxes need no scrolling (that
// captions fit and controls lie inside their window is checked for every window in fonts_test
// and hidpi_test).
void InfoMenuTest::controlsAreNamedAndBoxesNeedNoScrolling() {
    for (const char* name : {"frmaboutprogram", "frmaboutversion", "frmaboutcopyright", "frmthanks",
                             "frmvcnotavailable", "frmsendemail"}) {
        Window* window = open(name);
        for (QWidget* child :
             window->client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QByteArray where = QByteArray(name) + "." + child->objectName().toLatin1();
            QVERIFY2(!child->accessibleName().isEmpty(), where);
            if (auto* box = qobject_cast<TextArea*>(child); box && box->isReadOnly())
                QVERIFY2(box->verticalScrollBar()->maximum() == 0, where);
        }
        frame().unload(windowId(name));
    }
}

QTEST_MAIN(InfoMenuTest)
#include "info_menu_test.moc"
