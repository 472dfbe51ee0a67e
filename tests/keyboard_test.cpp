#include "support/guitestbase.h"

#include <QApplication>
#include <QLineEdit>

using namespace spawnsmith;

// Where the focus starts, where Tab takes it, and what Enter, Escape and access keys do.
class KeyboardTest : public GuiTestBase {
    Q_OBJECT
private slots:
    void focusStartsOnLowestTabPosition_data();
    void focusStartsOnLowestTabPosition();
    void tabWalksTheScreenInOrder_data();
    void tabWalksTheScreenInOrder();
    void enterPressesTheFocusedButton();
    void escapeDoesNothing();
    void accessKeysAnswerTheConfirmDialog_data();
    void accessKeysAnswerTheConfirmDialog();
};

// The focused control once the window has become the active one.
static QWidget* focusedIn(Frame& frame, const QString& window) {
    Window* w = frame.loaded(window);
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w))
        return nullptr;
    return QApplication::focusWidget();
}

void KeyboardTest::focusStartsOnLowestTabPosition_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    const struct {
        const char* window;
        const char* control;
    } rows[] = {
        {"frmgtapick", "cmdgta3"},
        {"frmgtasacodepick", "cmdgtasaweapon"},
        {"frmgta3weapon", "lstgta3weapon"},
        {"frmgtavcvehicle", "lstvehicle"},
        {"frmgta3weaponcode", "txtgta3weaponfinishedcode"},
        {"frmgta3itemfinished", "cmdexit"},
        {"frmgta3vehiclefinished", "cmdexit"},
        {"frmgtasaitemfinished", "txtgtasaitemfinishedcode"},
        {"frmgtagpexit", "cmdyes"},
        {"frmgta3cpexit", "cmdno"},
        {"frmgtavcweaponexit", "cmdyes"},
        {"frmgtavcvehicleexit", "cmdno"},
        {"frmgtasavehiclefinishedexit", "cmdyes"},
        {"frmvcnotavailable", "cmdclosewindow"},
    };
    for (const auto& row : rows)
        QTest::newRow(row.window) << row.window << row.control;
}

void KeyboardTest::focusStartsOnLowestTabPosition() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    open(window);
    QWidget* focus = focusedIn(frame(), window);
    QVERIFY(focus);
    QCOMPARE(focus->objectName(), control);
}

void KeyboardTest::tabWalksTheScreenInOrder_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("gta3 weapon") << "frmgta3weapon"
                                 << QStringList{"lstgta3weapon",
                                                "txtgta3weaponx",
                                                "txtgta3weapony",
                                                "txtgta3weaponz",
                                                "txtgta3weaponname",
                                                "txtgta3weaponammo",
                                                "cmdgta3weapongeneratecode",
                                                "cmdbackgta3cp",
                                                "cmdbackgtapick",
                                                "cmdexit",
                                                "lstgta3weapon"};
    QTest::newRow("gta3 vehicle: angle after the buttons")
        << "frmgta3vehicle"
        << QStringList{"lstvehicle",         "txtgta3vehiclex", "txtgta3vehicley",
                       "txtgta3vehiclez",    "txtcodename",     "txtalarmpercent",
                       "txtdoorlockpercent", "cmdgencode",      "cmdbacktogta3cp",
                       "cmdbacktogtapick",   "cmdexit",         "txtangle"};
    QTest::newRow("gta3 item result, reversed")
        << "frmgta3itemfinished"
        << QStringList{"cmdexit",         "cmdbackgtapick",          "cmdgta3codepickback",
                       "cmdbackgta3item", "txtgta3itemfinishedcode", "cmdexit"};
    QTest::newRow("result box passes Tab on")
        << "frmgtavcweaponfinished"
        << QStringList{"txtfinishedcode", "cmdbackgtavcweapon", "cmdgtavccodepickback",
                       "cmdbackgtapick", "cmdexit"};
    QTest::newRow("code pick") << "frmgtavccodepick"
                               << QStringList{"cmdgtavcweapon", "cmdgtavcitem", "cmdgtavcvehicle",
                                              "cmdgtavcback", "cmdexit"};
}

void KeyboardTest::tabWalksTheScreenInOrder() {
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    open(window);
    QStringList visited;
    for (int i = 0; i < order.size(); ++i) {
        QWidget* focus = focusedIn(frame(), window);
        QVERIFY(focus);
        visited << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(visited, order);
}

void KeyboardTest::enterPressesTheFocusedButton() {
    open("frmgta3codepick");
    QWidget* focus = focusedIn(frame(), "frmgta3codepick");
    QVERIFY(focus);
    QTest::keyClick(focus, Qt::Key_Tab); // to "Create Item Spawn Point"
    QTest::keyClick(focusedIn(frame(), "frmgta3codepick"), Qt::Key_Return);
    settle();
    QCOMPARE(frame().loadedWindows(), QStringList{"frmgta3item"});
}

void KeyboardTest::escapeDoesNothing() {
    for (const char* name : {"frmgta3weapon", "frmgtagpexit", "frm3notavailable"}) {
        frame().unloadAll();
        open(name);
        QTest::keyClick(focusedIn(frame(), name), Qt::Key_Escape);
        settle();
        QCOMPARE(frame().loadedWindows(), QStringList{name});
    }
    QCOMPARE(platform().endProgramCalls, 0);
}

void KeyboardTest::accessKeysAnswerTheConfirmDialog_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("ends");
    QTest::newRow("Alt+Y") << int(Qt::Key_Y) << 1;
    QTest::newRow("Alt+N") << int(Qt::Key_N) << 0;
}

void KeyboardTest::accessKeysAnswerTheConfirmDialog() {
    QFETCH(int, key);
    QFETCH(int, ends);
    open("frmgta3weaponcode");
    click("frmgta3weaponcode", "cmdexit");
    QWidget* focus = focusedIn(frame(), "frmgta3weaponfinishedexit");
    QVERIFY(focus);
    QTest::keyClick(focus, Qt::Key(key), Qt::AltModifier);
    // An access key animates the press, so the click lands a moment later.
    QTRY_COMPARE(platform().endProgramCalls +
                     (frame().loaded("frmgta3weaponfinishedexit") ? 0 : 10),
                 ends ? 1 : 10);
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
