#include "guitestbase.h"

#include "app/lockout/lockoutsets.h"

#include <QLineEdit>

using namespace spawnsmith;

// Window names in the order Frame::loadedWindows() reports them.
static QStringList sorted(QStringList names) {
    names.sort();
    return names;
}

// Every navigation button, every "Exit" and its confirm dialog, and the not-available windows,
// driven with the mouse through the real windows.
class NavigationTest : public GuiTestBase {
    Q_OBJECT
private slots:
    void navigationButtons_data();
    void navigationButtons();
    void targetIsShownBeforeSourceDisappears();
    void exitThenNoRestoresTheScreen_data();
    void exitThenNoRestoresTheScreen();
    void exitThenYesEndsTheProgram_data();
    void exitThenYesEndsTheProgram();
    void vehicleButtonOpensNotAvailable_data();
    void vehicleButtonOpensNotAvailable();
    void closeBoxFollowsTheWindowsOwnButton();
    void creatorStartsEmptyAfterGeneration();
};

void NavigationTest::navigationButtons_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("target");
    const struct {
        const char* source;
        const char* button;
        const char* target;
    } rows[] = {
        {"frmgtapick", "cmdgta3", "frmgta3codepick"},
        {"frmgtapick", "cmdgtavc", "frmgtavccodepick"},
        {"frmgtapick", "cmdgtasa", "frmgtasacodepick"},
        {"frmgta3codepick", "cmdgta3weapon", "frmgta3weapon"},
        {"frmgta3codepick", "cmdgta3item", "frmgta3item"},
        {"frmgta3codepick", "cmdgta3cpback", "frmgtapick"},
        {"frmgtavccodepick", "cmdgtavcweapon", "frmgtavcweapon"},
        {"frmgtavccodepick", "cmdgtavcitem", "frmgtavcitem"},
        {"frmgtavccodepick", "cmdgtavcback", "frmgtapick"},
        {"frmgtasacodepick", "cmdgtasaweapon", "frmgtasaweapon"},
        {"frmgtasacodepick", "cmdgtasaitem", "frmgtasaitem"},
        {"frmgtasacodepick", "cmdbacktogtapick", "frmgtapick"},
        {"frmgta3weapon", "cmdbackgta3cp", "frmgta3codepick"},
        {"frmgta3weapon", "cmdbackgtapick", "frmgtapick"},
        {"frmgta3item", "cmdbacktogta3codepick", "frmgta3codepick"},
        {"frmgta3item", "cmdbacktogtapick", "frmgtapick"},
        {"frmgta3vehicle", "cmdbacktogta3cp", "frmgta3codepick"},
        {"frmgta3vehicle", "cmdbacktogtapick", "frmgtapick"},
        {"frmgtavcweapon", "cmdbacktovccp", "frmgtavccodepick"},
        {"frmgtavcweapon", "cmdbacktogtapick", "frmgtapick"},
        {"frmgtavcitem", "cmdbacktovccp", "frmgtavccodepick"},
        {"frmgtavcitem", "cmdbacktogtapick", "frmgtapick"},
        {"frmgtavcvehicle", "cmdbacktogtavccp", "frmgtavccodepick"},
        {"frmgtavcvehicle", "cmdbacktogtapick", "frmgtapick"},
        {"frmgtasaweapon", "cmdbacktogtasacodepick", "frmgtasacodepick"},
        {"frmgtasaweapon", "cmdbacktogtapick", "frmgtapick"},
        {"frmgtasaitem", "cmdbacktogtasacp", "frmgtasacodepick"},
        {"frmgtasaitem", "cmdbacktogtapick", "frmgtapick"},
        {"frmgtasavehicle", "cmdbacktogtasacp", "frmgtasacodepick"},
        {"frmgtasavehicle", "cmdbacktogtapick", "frmgtapick"},
        {"frmgta3weaponcode", "cmdbackgta3weapon", "frmgta3weapon"},
        {"frmgta3weaponcode", "cmdgta3codepickback", "frmgta3codepick"},
        {"frmgta3weaponcode", "cmdbackgtapick", "frmgtapick"},
        {"frmgta3itemfinished", "cmdbackgta3item", "frmgta3item"},
        {"frmgta3itemfinished", "cmdgta3codepickback", "frmgta3codepick"},
        {"frmgta3itemfinished", "cmdbackgtapick", "frmgtapick"},
        {"frmgta3vehiclefinished", "cmdbackgta3vehicle", "frmgta3vehicle"},
        {"frmgta3vehiclefinished", "cmdgta3codepickback", "frmgta3codepick"},
        {"frmgta3vehiclefinished", "cmdbackgtapick", "frmgtapick"},
        {"frmgtavcweaponfinished", "cmdbackgtavcweapon", "frmgtavcweapon"},
        {"frmgtavcweaponfinished", "cmdgtavccodepickback", "frmgtavccodepick"},
        {"frmgtavcweaponfinished", "cmdbackgtapick", "frmgtapick"},
        {"frmgtavcitemfinished", "cmdbackgtavcitem", "frmgtavcitem"},
        {"frmgtavcitemfinished", "cmdgtavccodepickback", "frmgtavccodepick"},
        {"frmgtavcitemfinished", "cmdbackgtapick", "frmgtapick"},
        {"frmgtavcvehiclefinished", "cmdbackgtavcvehicle", "frmgtavcvehicle"},
        {"frmgtavcvehiclefinished", "cmdgtavccodepickback", "frmgtavccodepick"},
        {"frmgtavcvehiclefinished", "cmdbackgtapick", "frmgtapick"},
        {"frmgtasaweaponfinished", "cmdbackgtasaweapon", "frmgtasaweapon"},
        {"frmgtasaweaponfinished", "cmdgtasacodepickback", "frmgtasacodepick"},
        {"frmgtasaweaponfinished", "cmdbackgtapick", "frmgtapick"},
        {"frmgtasaitemfinished", "cmdbackgtasaitem", "frmgtasaitem"},
        {"frmgtasaitemfinished", "cmdgtasacodepickback", "frmgtasacodepick"},
        {"frmgtasaitemfinished", "cmdbackgtapick", "frmgtapick"},
        {"frmgtasavehiclefinished", "cmdbackgtasavehicle", "frmgtasavehicle"},
        {"frmgtasavehiclefinished", "cmdgtasacodepickback", "frmgtasacodepick"},
        {"frmgtasavehiclefinished", "cmdbackgtapick", "frmgtapick"},
    };
    for (const auto& row : rows)
        QTest::addRow("%s.%s", row.source, row.button) << row.source << row.button << row.target;
}

void NavigationTest::navigationButtons() {
    QFETCH(QString, source);
    QFETCH(QString, button);
    QFETCH(QString, target);
    open(source);
    click(source, button);
    QCOMPARE(frame().loadedWindows(), QStringList{target});
    QVERIFY(frame().loaded(target)->isVisible());
}

void NavigationTest::targetIsShownBeforeSourceDisappears() {
    open("frmgta3codepick");
    QStringList visibleWhenTargetLoads;
    connect(&frame(), &Frame::windowUnloaded, this, [&](const QString& name) {
        if (name == "frmgta3codepick" && frame().loaded("frmgta3weapon"))
            visibleWhenTargetLoads
                << (frame().loaded("frmgta3weapon")->isVisible() ? "shown" : "hidden");
    });
    click("frmgta3codepick", "cmdgta3weapon");
    QCOMPARE(visibleWhenTargetLoads, QStringList{"shown"});
}

// Every window with an "Exit" button and the dialog that button opens.
static void addExitRows() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("exitButton");
    QTest::addColumn<QString>("dialog");
    const struct {
        const char* screen;
        const char* exit;
        const char* dialog;
    } rows[] = {
        {"frmgtapick", "cmdexit", "frmgtagpexit"},
        {"frmgta3codepick", "cmdgta3cpexit", "frmgta3cpexit"},
        {"frmgtavccodepick", "cmdexit", "frmgtavccpexit"},
        {"frmgtasacodepick", "cmdexit", "frmgtasacpexit"},
        {"frmgta3weapon", "cmdexit", "frmgta3weaponexit"},
        {"frmgta3item", "cmdexit", "frmgta3itemexit"},
        {"frmgta3vehicle", "cmdexit", "frmgta3vehicleexit"},
        {"frmgtavcweapon", "cmdexit", "frmgtavcweaponexit"},
        {"frmgtavcitem", "cmdexit", "frmgtavcitemexit"},
        {"frmgtavcvehicle", "cmdexit", "frmgtavcvehicleexit"},
        {"frmgtasaweapon", "cmdexit", "frmgtasaweaponexit"},
        {"frmgtasaitem", "cmdexit", "frmgtasaitemexit"},
        {"frmgtasavehicle", "cmdexit", "frmgtasavehicleexit"},
        {"frmgta3weaponcode", "cmdexit", "frmgta3weaponfinishedexit"},
        {"frmgta3itemfinished", "cmdexit", "frmgta3itemfinishedexit"},
        {"frmgta3vehiclefinished", "cmdexit", "frmgta3vehiclefinishedexit"},
        {"frmgtavcweaponfinished", "cmdexit", "frmgtavcweaponfinishedexit"},
        {"frmgtavcitemfinished", "cmdexit", "frmgtavcitemfinishedexit"},
        {"frmgtavcvehiclefinished", "cmdexit", "frmgtavcvehiclefinishedexit"},
        {"frmgtasaweaponfinished", "cmdexit", "frmgtasaweaponfinishedexit"},
        {"frmgtasaitemfinished", "cmdexit", "frmgtasaitemfinishedexit"},
        {"frmgtasavehiclefinished", "cmdexit", "frmgtasavehiclefinishedexit"},
    };
    for (const auto& row : rows)
        QTest::newRow(row.screen) << row.screen << row.exit << row.dialog;
}

// The enabled flag of every named control of a window.
static QMap<QString, bool> enabledFlags(QWidget* window) {
    QMap<QString, bool> flags;
    for (QWidget* child : window->findChildren<QWidget*>())
        if (!child->objectName().isEmpty() && !child->objectName().startsWith("qt_"))
            flags.insert(child->objectName(), child->isEnabled());
    return flags;
}

void NavigationTest::exitThenNoRestoresTheScreen_data() {
    addExitRows();
}

void NavigationTest::exitThenNoRestoresTheScreen() {
    QFETCH(QString, screen);
    QFETCH(QString, exitButton);
    QFETCH(QString, dialog);
    Window* window = open(screen);
    // Give the screen some state of its own: a selected row and typed text in every box.
    if (auto* list = window->findChild<ListBox*>())
        select(screen, list->objectName(), 1);
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        type(screen, box->objectName(), "7");
    const QMap<QString, bool> before = enabledFlags(window);
    const int selected =
        window->findChild<ListBox*>() ? window->findChild<ListBox*>()->selectedIndex() : -2;

    click(screen, exitButton);
    QCOMPARE(frame().loadedWindows(), sorted({dialog, screen}));
    QVERIFY(frame().loaded(dialog)->isVisible());
    QVERIFY(window->isVisible());
    for (const QString& name : lockOutSet(screen))
        QVERIFY2(!window->findChild<QObject*>(name)->property("enabled").toBool(),
                 qPrintable(name));

    click(dialog, "cmdno");
    QCOMPARE(frame().loadedWindows(), QStringList{screen});
    QCOMPARE(enabledFlags(window), before);
    if (auto* list = window->findChild<ListBox*>())
        QCOMPARE(list->selectedIndex(), selected);
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        QCOMPARE(box->text(), QString("7"));
    QCOMPARE(platform().endProgramCalls, 0);
}

void NavigationTest::exitThenYesEndsTheProgram_data() {
    addExitRows();
}

void NavigationTest::exitThenYesEndsTheProgram() {
    QFETCH(QString, screen);
    QFETCH(QString, exitButton);
    QFETCH(QString, dialog);
    open(screen);
    click(screen, exitButton);
    click(dialog, "cmdyes");
    QCOMPARE(platform().endProgramCalls, 1);
}

void NavigationTest::vehicleButtonOpensNotAvailable_data() {
    QTest::addColumn<QString>("codePick");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::newRow("gta3") << "frmgta3codepick"
                          << "cmdgta3vehicle"
                          << "frm3notavailable";
    QTest::newRow("vc") << "frmgtavccodepick"
                        << "cmdgtavcvehicle"
                        << "frmvcnotavailable";
    QTest::newRow("sa") << "frmgtasacodepick"
                        << "cmdgtasavehicle"
                        << "frmsanotavailable";
}

void NavigationTest::vehicleButtonOpensNotAvailable() {
    QFETCH(QString, codePick);
    QFETCH(QString, button);
    QFETCH(QString, window);
    Window* screen = open(codePick);
    click(codePick, button);
    QCOMPARE(frame().loadedWindows(), sorted({codePick, window}));
    QVERIFY(!screen->findChild<QWidget*>(button)->isEnabled());
    click(window, "cmdclosewindow");
    QCOMPARE(frame().loadedWindows(), QStringList{codePick});
    for (const QString& name : lockOutSet(codePick))
        QVERIFY(screen->findChild<QWidget*>(name)->isEnabled());
}

void NavigationTest::closeBoxFollowsTheWindowsOwnButton() {
    // On a screen the close box asks to exit; on its confirm dialog it answers "No"; on the
    // locked screen underneath it does nothing.
    Window* screen = open("frmgta3weapon");
    screen->close();
    settle();
    QCOMPARE(frame().loadedWindows(), sorted({"frmgta3weapon", "frmgta3weaponexit"}));
    screen->close();
    settle();
    QCOMPARE(frame().loadedWindows(), sorted({"frmgta3weapon", "frmgta3weaponexit"}));
    frame().loaded("frmgta3weaponexit")->close();
    settle();
    QCOMPARE(frame().loadedWindows(), QStringList{"frmgta3weapon"});
    QVERIFY(screen->findChild<QWidget*>("cmdexit")->isEnabled());

    // On a not-available window it closes it and unlocks its code-pick screen.
    open("frmgtasacodepick");
    click("frmgtasacodepick", "cmdgtasavehicle");
    frame().loaded("frmsanotavailable")->close();
    settle();
    QVERIFY(!frame().loaded("frmsanotavailable"));
    QVERIFY(
        frame().loaded("frmgtasacodepick")->findChild<QWidget*>("cmdgtasavehicle")->isEnabled());
    QCOMPARE(platform().endProgramCalls, 0);
}

void NavigationTest::creatorStartsEmptyAfterGeneration() {
    open("frmgtavcweapon");
    select("frmgtavcweapon", "lstgtavcweapon", 4);
    type("frmgtavcweapon", "txtcodename", "p");
    type("frmgtavcweapon", "txtx", "1");
    click("frmgtavcweapon", "cmdgencode");
    click("frmgtavcweaponfinished", "cmdbackgtavcweapon");
    QCOMPARE(frame().loadedWindows(), QStringList{"frmgtavcweapon"});
    QCOMPARE(control<ListBox>("frmgtavcweapon", "lstgtavcweapon")->selectedIndex(), -1);
    QCOMPARE(text("frmgtavcweapon", "txtcodename"), QString());
    QCOMPARE(text("frmgtavcweapon", "txtx"), QString());
}

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"
