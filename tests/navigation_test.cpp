#include "support/guitestbase.h"

#include "app/lockout/lockoutsets.h"
#include "support/model/windows.h"

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
    int rows = 0;
    for (const model::WindowModel& window : model::windows())
        for (const model::Button& button : window.buttons)
            if (button.effect.op == model::Effect::Op::Navigate && ++rows)
                QTest::addRow("%s.%s", qPrintable(window.name), qPrintable(button.name))
                    << window.name << button.name << button.effect.target;
    // Three game buttons, three per code-pick screen, two per creator, three per result.
    QCOMPARE(rows, 3 + 3 * 3 + 9 * 2 + 9 * 3);
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

// Every screen with an "Exit" button and the confirm dialog that button opens.
static void addExitRows() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("exitButton");
    QTest::addColumn<QString>("dialog");
    for (const model::WindowModel& window : model::windows()) {
        if (!model::isScreen(window.kind))
            continue;
        for (const model::Button& button : window.buttons)
            if (button.effect.op == model::Effect::Op::OpenDialog &&
                model::windowModel(button.effect.target).kind == model::Kind::ExitDialog)
                QTest::newRow(qPrintable(window.name))
                    << window.name << button.name << button.effect.target;
    }
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
    for (const QString& name : lockOutSet(windowId(screen)))
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
    for (const QString& name : lockOutSet(windowId(codePick)))
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
