#include "support/guitestbase.h"

#include "app/frame.h"
#include "app/widgets/textarea.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleHints>

using namespace spawnsmith;

// Input that arrives at the wrong moment: held keys, double clicks, clicks queued while the
// program was busy, dialogs hidden behind the screens they lock, focus after a dialog, and
// windows larger than the screen. None of it may end the program, throw a result away or
// act on a window the user did not see.
class RobustnessTest : public GuiTestBase {
    Q_OBJECT
private slots:
    void heldEnterPressesOnce_data();
    void heldEnterPressesOnce();
    void pressAfterALostReleaseActs_data();
    void pressAfterALostReleaseActs();
    void doubleClickOnGenerateKeepsTheResult_data();
    void doubleClickOnGenerateKeepsTheResult();
    void clicksQueuedForAnUnloadedScreenDoNothing();
    void focusReturnsToWhatOpenedTheDialog_data();
    void focusReturnsToWhatOpenedTheDialog();
    void activatingALockedScreenBringsItsDialogBack_data();
    void activatingALockedScreenBringsItsDialogBack();
    void aControlLeftUsableUnderADialogTakesClicksAndKeys_data();
    void aControlLeftUsableUnderADialogTakesClicksAndKeys();
    void windowsAreCentredButNeverOffTheScreen_data();
    void windowsAreCentredButNeverOffTheScreen();

private:
    QWidget* activeFocus();
    void holdKey(Qt::Key key, const QString& text, int repeats);
    void clickAt(const QPoint& global, quint64 timestamp);
};

QWidget* RobustnessTest::activeFocus() {
    settle();
    QWidget* active = QApplication::activeWindow();
    return QApplication::focusWidget() ? QApplication::focusWidget() : active;
}

// Holds a key down the way an X server repeats it: one press, then pairs of release and press
// marked as repeats, then the release. Each event goes to whatever has the focus by then.
void RobustnessTest::holdKey(Qt::Key key, const QString& text, int repeats) {
    const auto send = [&](QEvent::Type type, bool repeat) {
        QKeyEvent event(type, key, Qt::NoModifier, text, repeat);
        if (QWidget* target = activeFocus())
            QApplication::sendEvent(target, &event);
        settle();
    };
    send(QEvent::KeyPress, false);
    for (int i = 0; i < repeats; ++i) {
        send(QEvent::KeyRelease, true);
        send(QEvent::KeyPress, true);
    }
    send(QEvent::KeyRelease, false);
}

// A left click on whatever window is at a global position, with the time stamps a mouse gives.
void RobustnessTest::clickAt(const QPoint& global, quint64 timestamp) {
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QWidget* target = QApplication::widgetAt(global);
        QVERIFY2(target, "nothing under the pointer");
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(type, target->mapFromGlobal(QPointF(global)), QPointF(global),
                          Qt::LeftButton, held, Qt::NoModifier);
        event.setTimestamp(timestamp);
        QApplication::sendEvent(target, &event);
        timestamp += 60;
        settle();
    }
}

void RobustnessTest::heldEnterPressesOnce_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("loadedAfter");
    QTest::addColumn<QString>("resultBox"); // its text must be the one generated line
    // The result screen opens with "Exit" focused: a repeat would press it, then "Yes".
    QTest::newRow("GTA3 item: Generate")
        << "frmgta3item"
        << "cmdgta3itemgencode" << QStringList{"frmgta3itemfinished"} << "txtgta3itemfinishedcode";
    // The result screen opens with its box focused: a repeat would type empty lines into it.
    QTest::newRow("GTA3 weapon: Generate")
        << "frmgta3weapon"
        << "cmdgta3weapongeneratecode" << QStringList{"frmgta3weaponcode"}
        << "txtgta3weaponfinishedcode";
    // The confirm dialog opens with "Yes" focused.
    QTest::newRow("game pick: Exit")
        << "frmgtapick"
        << "cmdexit" << QStringList{"frmgtagpexit", "frmgtapick"} << QString();
}

void RobustnessTest::heldEnterPressesOnce() {
    QFETCH(QString, screen);
    QFETCH(QString, button);
    QFETCH(QStringList, loadedAfter);
    QFETCH(QString, resultBox);
    Window* window = open(screen);
    if (auto* list = window->findChild<ListBox*>())
        select(screen, list->objectName(), 1);
    QString expected;
    if (!resultBox.isEmpty()) {
        const QString codeName =
            screen == "frmgta3item" ? "txtgta3itemcodename" : "txtgta3weaponname";
        type(screen, codeName, "h");
        expected = screen == "frmgta3item"
                       ? "0213: $h = create_pickup -24 (BODYARMOUR) type  14 at    "
                       : "032B: $h = create_weapon_pickup #COLT45  14 ammo   at   ";
    }
    control<QWidget>(screen, button)->setFocus();
    holdKey(Qt::Key_Return, "\r", 8);
    QCOMPARE(platform().endProgramCalls, 0);
    QCOMPARE(frame().loadedWindows(), loadedAfter);
    if (!resultBox.isEmpty())
        QCOMPARE(text(loadedAfter.first(), resultBox), expected);
}

// Wine loses the release of a key whose press opened a window, and Qt then marks the key's next
// press as a repeat. Only a "repeat" within a keyboard's repeat delay, with no other key pressed
// since, is held-key input; any other is the user's next press and acts.
void RobustnessTest::pressAfterALostReleaseActs_data() {
    QTest::addColumn<int>("pause");
    QTest::addColumn<int>("keyBetween"); // pressed (and released) half-way through the pause
    QTest::addColumn<QString>("shownAfter");
    QTest::newRow("repeat 30 ms later: held") << 30 << 0 << "frmgta3codepick";
    QTest::newRow("repeat 1 s later: held") << 1000 << 0 << "frmgta3codepick";
    QTest::newRow("marked repeat 3 s later: a new press") << 3000 << 0 << "frmgta3weapon";
    // Ctrl+C between: only the key pressed last repeats, so Return is no longer held.
    QTest::newRow("repeat after Ctrl: a new press")
        << 600 << int(Qt::Key_Control) << "frmgta3weapon";
}

void RobustnessTest::pressAfterALostReleaseActs() {
    QFETCH(int, pause);
    QFETCH(int, keyBetween);
    QFETCH(QString, shownAfter);
    open("frmgtapick");
    control<QWidget>("frmgtapick", "cmdgta3")->setFocus();
    const auto press = [this](quint64 time, bool markedRepeat) {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", markedRepeat);
        event.setTimestamp(time);
        if (QWidget* target = activeFocus())
            QApplication::sendEvent(target, &event);
        settle();
    };
    press(100000, false); // opens the code pick, its first button focused; no release follows
    QCOMPARE(frame().loadedWindows(), QStringList{"frmgta3codepick"});
    if (keyBetween != 0) {
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, keyBetween, Qt::NoModifier);
            event.setTimestamp(100000 + static_cast<quint64>(pause) / 2);
            QApplication::sendEvent(activeFocus(), &event);
        }
    }
    press(100000 + static_cast<quint64>(pause), true);
    QCOMPARE(frame().loadedWindows(), QStringList{shownAfter});
}

void RobustnessTest::doubleClickOnGenerateKeepsTheResult_data() {
    QTest::addColumn<QString>("creator");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::newRow("GTA3 weapon") << "frmgta3weapon"
                                 << "cmdgta3weapongeneratecode"
                                 << "frmgta3weaponcode";
    QTest::newRow("GTA3 item") << "frmgta3item"
                               << "cmdgta3itemgencode"
                               << "frmgta3itemfinished";
    QTest::newRow("VC weapon") << "frmgtavcweapon"
                               << "cmdgencode"
                               << "frmgtavcweaponfinished";
    QTest::newRow("VC item") << "frmgtavcitem"
                             << "cmdgencode"
                             << "frmgtavcitemfinished";
    QTest::newRow("SA weapon") << "frmgtasaweapon"
                               << "cmdgencode"
                               << "frmgtasaweaponfinished";
    QTest::newRow("SA item") << "frmgtasaitem"
                             << "cmdgencode"
                             << "frmgtasaitemfinished";
}

// The result screen appears centred, so the second click of a double click on "Generate My
// Code" lands on one of its buttons; it must not act there.
void RobustnessTest::doubleClickOnGenerateKeepsTheResult() {
    QFETCH(QString, creator);
    QFETCH(QString, button);
    QFETCH(QString, result);
    open(creator);
    select(creator, frame().loaded(creator)->findChild<ListBox*>()->objectName(), 0);
    auto* generate = control<QWidget>(creator, button);
    const QPoint where = generate->mapToGlobal(generate->rect().center());
    const quint64 interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    const quint64 start = 1000000;
    clickAt(where, start);
    QCOMPARE(frame().loadedWindows(), QStringList{result});
    QVERIFY2(qobject_cast<QAbstractButton*>(QApplication::widgetAt(where)),
             "the second click would not land on a button of the result screen");
    clickAt(where, start + interval / 2);
    QCOMPARE(frame().loadedWindows(), QStringList{result});
    QVERIFY(!frame().loaded(result)->findChild<TextArea*>()->text().isEmpty());
    // A click after the double-click interval acts as usual.
    clickAt(where, start + 3 * interval);
    QVERIFY(frame().loadedWindows() != QStringList{result});
}

// Clicks that were queued while the program was busy reach the game-pick screen after the
// first of them has already unloaded it: only the first may act.
void RobustnessTest::clicksQueuedForAnUnloadedScreenDoNothing() {
    open("frmgtapick");
    quint64 time = 5000000;
    for (const char* name : {"cmdgta3", "cmdgtavc", "cmdgtasa"}) {
        auto* button = control<QWidget>("frmgtapick", name);
        const QPointF centre = button->rect().center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            auto* event = new QMouseEvent(
                type, centre, QPointF(button->mapToGlobal(centre.toPoint())), Qt::LeftButton,
                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            event->setTimestamp(time += 2000);
            QCoreApplication::postEvent(button, event);
        }
    }
    settle();
    settle();
    QCOMPARE(frame().loadedWindows(), QStringList{"frmgta3codepick"});
}

void RobustnessTest::focusReturnsToWhatOpenedTheDialog_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("opener");     // a button, or a Ctrl shortcut
    QTest::addColumn<QString>("closer");     // the dialog's button that closes it
    QTest::addColumn<QString>("focusAfter"); // a control, or the screen itself
    QTest::newRow("vehicle, then Close This Window") << "frmgta3codepick"
                                                     << "cmdgta3vehicle"
                                                     << "cmdclosewindow"
                                                     << "cmdgta3vehicle";
    QTest::newRow("menu entry, then Close This Window") << "frmgtapick"
                                                        << "Ctrl+P"
                                                        << "cmdclosethiswindow"
                                                        << "frmgtapick";
}

// Keyboard only: the dialog's closing button is pressed with Enter, and the focus goes back to
// what opened the dialog, so that the next Enter does not press some other button (every
// confirm-exit dialog is checked the same way in windows_test).
void RobustnessTest::focusReturnsToWhatOpenedTheDialog() {
    QFETCH(QString, screen);
    QFETCH(QString, opener);
    QFETCH(QString, closer);
    QFETCH(QString, focusAfter);
    Window* window = open(screen);
    QVERIFY(QTest::qWaitForWindowActive(window));
    if (opener.startsWith("Ctrl+")) {
        QTest::keySequence(window, QKeySequence(opener));
    } else {
        control<QWidget>(screen, opener)->setFocus();
        QTest::keyClick(activeFocus(), Qt::Key_Return);
    }
    settle();
    QWidget* dialog = QApplication::activeWindow();
    QVERIFY(dialog && dialog != window);
    dialog->findChild<QWidget*>(closer)->setFocus();
    QTest::keyClick(activeFocus(), Qt::Key_Return);
    QCOMPARE(frame().loadedWindows(), QStringList{screen});
    QWidget* focus = activeFocus();
    QVERIFY(focus);
    QCOMPARE(focus->objectName(), focusAfter);
}

void RobustnessTest::activatingALockedScreenBringsItsDialogBack_data() {
    QTest::addColumn<bool>("minimized");
    QTest::newRow("behind its screen") << false;
    QTest::newRow("minimized") << true;
}

void RobustnessTest::activatingALockedScreenBringsItsDialogBack() {
    QFETCH(bool, minimized);
    Window* screen = open("frmgta3weapon");
    click("frmgta3weapon", "cmdexit");
    Window* dialog = frame().loaded("frmgta3weaponexit");
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    if (minimized)
        dialog->showMinimized();
    bool screenWasActive = false;
    const QWindow* screenWindow = screen->windowHandle();
    const auto watch = connect(qApp, &QGuiApplication::focusWindowChanged, this,
                               [&](QWindow* focus) { screenWasActive |= focus == screenWindow; });
    screen->activateWindow();
    QTRY_VERIFY(screenWasActive);
    QTRY_VERIFY(!dialog->isMinimized());
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(dialog));
    disconnect(watch);
    QVERIFY(dialog->isVisible());
}

void RobustnessTest::aControlLeftUsableUnderADialogTakesClicksAndKeys_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("GTA3 vehicle") << "frmgta3vehicle"
                                  << "frmgta3vehicleexit";
    QTest::newRow("GTA VC vehicle") << "frmgtavcvehicle"
                                    << "frmgtavcvehicleexit";
    QTest::newRow("GTA SA vehicle") << "frmgtasavehicle"
                                    << "frmgtasavehicleexit";
}

// The angle box stays out of its screen's lock-out set: with the confirm-exit dialog open,
// activating the screen or clicking in it leaves the screen active (the dialog is raised above
// it, and stays a window of its own, with no owner), and the box takes the focus and typed keys.
void RobustnessTest::aControlLeftUsableUnderADialogTakesClicksAndKeys() {
    QFETCH(QString, screen);
    QFETCH(QString, dialog);
    Window* window = open(screen);
    click(screen, "cmdexit");
    Window* shown = frame().loaded(dialog);
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QCOMPARE(shown->windowHandle()->transientParent(), nullptr);
    auto* angle = control<QWidget>(screen, "txtangle");
    QVERIFY(angle->isEnabled());
    QVERIFY(control<QWidget>(screen, "lblangle")->isEnabled());

    bool screenWasActive = false;
    const auto watch =
        connect(qApp, &QGuiApplication::focusWindowChanged, this,
                [&](const QWindow* focus) { screenWasActive |= focus == window->windowHandle(); });
    window->activateWindow();
    QTRY_VERIFY(screenWasActive);
    disconnect(watch);
    // The keyboard reaches the box too: the focus left the disabled Exit button for it.
    QCOMPARE(window->focusWidget(), angle);
    QTest::mouseClick(angle, Qt::LeftButton);
    QTest::qWait(100);
    QCOMPARE(QApplication::activeWindow(), static_cast<QWidget*>(window));
    QVERIFY(angle->hasFocus());
    QTest::keyClicks(activeFocus(), "270");
    QCOMPARE(text(screen, "txtangle"), QStringLiteral("270"));
    QVERIFY(shown->isVisible());
    QCOMPARE(frame().loadedWindows(), QStringList({screen, dialog}));
}

void RobustnessTest::windowsAreCentredButNeverOffTheScreen_data() {
    QTest::addColumn<QSize>("frameSize");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("centred") << QSize(200, 100) << QRect(0, 0, 1000, 800) << QPoint(400, 350);
    QTest::newRow("centred in an area below a panel")
        << QSize(200, 100) << QRect(0, 30, 1000, 770) << QPoint(400, 365);
    QTest::newRow("wider than the screen")
        << QSize(690, 320) << QRect(0, 0, 640, 480) << QPoint(0, 80);
    QTest::newRow("larger than an area off the origin")
        << QSize(700, 600) << QRect(10, 24, 640, 456) << QPoint(10, 24);
}

void RobustnessTest::windowsAreCentredButNeverOffTheScreen() {
    QFETCH(QSize, frameSize);
    QFETCH(QRect, available);
    QFETCH(QPoint, position);
    QCOMPARE(centredPosition(frameSize, available), position);
}

QTEST_MAIN(RobustnessTest)
#include "robustness_test.moc"
