#include "support/goldendata.h"
#include "support/guitestbase.h"

#include "app/lockout/exitdialogs.h"
#include "app/lockout/lockoutsets.h"
#include "app/pickscreens.h"
#include "info/composer.h"
#include "info/gamepickmenu.h"
#include "info/textwindows.h"
#include "wizard/wizard.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

using namespace spawnsmith;

Q_DECLARE_METATYPE(golden::Row)

namespace {

QStringList sorted(QStringList names) {
    names.sort(); // as Frame::loadedWindows() lists them
    return names;
}

// The enabled flag of every named control of a window.
QMap<QString, bool> enabledFlags(QWidget* window) {
    QMap<QString, bool> flags;
    for (QWidget* child : window->findChildren<QWidget*>())
        if (!child->objectName().isEmpty() && !child->objectName().startsWith("qt_"))
            flags.insert(child->objectName(), child->isEnabled());
    return flags;
}

// The focused control once the window has become the active one.
QWidget* focusedIn(Frame& frame, const QString& window) {
    Window* w = frame.loaded(window);
    if (!w)
        return nullptr;
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w))
        return nullptr;
    return QApplication::focusWidget();
}

// Twips as pixels at 96 dots per inch, rounded to the nearest.
int pixels(const QString& twips) {
    return qRound(twips.toInt() / 15.0);
}

QString focusName() {
    settle();
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// A frame with the pick screens, exit dialogs and text windows, but neither the creator and
// result screens nor the composer.
void registerAllButGameScreensAndComposer(Frame& frame) {
    addPickScreens(frame, gamePickMenus());
    addExitDialogs(frame);
    addTextWindows(frame);
}

} // namespace

// The window catalogue, every button and menu entry, every confirm-exit dialog, and the
// keyboard: each checked against the tables in tests/data through the real windows.
class WindowsTest : public GuiTestBase {
    Q_OBJECT

    // The window and control that open each dialog.
    QHash<QString, QPair<QString, QString>> m_openers;

    // Presses a button with the mouse, or chooses a menu entry.
    void press(const QString& window, const QString& name) {
        if (auto* entry = frame().loaded(window)->findChild<QAction*>(name)) {
            entry->trigger();
            settle();
        } else {
            click(window, name);
        }
    }
    // Brings a window up the way a user reaches it: a dialog is opened by its own opener over
    // its owner, which is reached first; a screen is shown.
    Window* reach(const QString& window) {
        if (!m_openers.contains(window))
            return open(window);
        const auto [owner, opener] = m_openers.value(window);
        reach(owner);
        press(owner, opener);
        return frame().loaded(window);
    }
    // Whether every control of the window's lock-out set is disabled (`expected` true) or every
    // one enabled; the first control that is not is named in the log.
    bool locked(const QString& window, bool expected) {
        for (const QString& name : lockOutSet(windowId(window))) {
            auto* control = frame().loaded(window)->findChild<QObject*>(name);
            if (!control || control->property("enabled").toBool() == expected) {
                qWarning("%s.%s", qPrintable(window), qPrintable(name));
                return false;
            }
        }
        return true;
    }

private slots:
    void initTestCase() {
        for (const golden::Row& button : golden::table("buttons.tsv"))
            if (button["operation"] == "open")
                m_openers.insert(button["target"], {button["window"], button["button"]});
    }

    void catalogueHasEveryWindowOnce() {
        QStringList expected;
        for (const golden::Row& window : golden::table("windows.tsv"))
            expected << window["window"];
        QCOMPARE(expected.size(), 54);
        QStringList registered;
        for (const WindowId id : frame().registeredWindows())
            registered << objectNameOf(id);
        QCOMPARE(sorted(registered), sorted(expected));
        for (const QString& name : expected) {
            Window* window = frame().window(name);
            QCOMPARE(window->objectName(), name);
            QCOMPARE(frame().window(name), window); // one instance
            frame().unload(windowId(name));
        }
    }

    // Caption, client size, a fixed frame without minimize or maximize, and the icon.
    void windowsHaveCaptionSizeAndFrame_data() {
        QTest::addColumn<golden::Row>("row");
        for (const golden::Row& window : golden::table("windows.tsv"))
            QTest::newRow(qPrintable(window["window"])) << window;
    }
    void windowsHaveCaptionSizeAndFrame() {
        QFETCH(golden::Row, row);
        Window* window = open(row["window"]);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), row["caption"]);
        QCOMPARE(window->client()->size(), QSize(pixels(row["width"]), pixels(row["height"])));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window->opensOverAScreen(), m_openers.contains(row["window"]));
        if (row["kind"] == "splash") {
            QVERIFY(flags & Qt::FramelessWindowHint);
        } else {
            QVERIFY(!window->windowIcon().isNull());
            QCOMPARE(window->windowIcon().actualSize(QSize(80, 80)), QSize(80, 80));
        }
    }

    // Every label, frame, menu title and box with a fixed text shows it exactly when its window
    // opens.
    void fixedTexts_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        for (const golden::Row& row : golden::table("texts.tsv"))
            QTest::addRow("%s.%s", qPrintable(row["window"]), qPrintable(row["control"]))
                << row["window"] << row["control"] << golden::unescaped(row["text"]);
    }
    void fixedTexts() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, text);
        open(window);
        auto* widget = this->control<QWidget>(window, control);
        QVERIFY(widget);
        if (auto* label = qobject_cast<QLabel*>(widget))
            QCOMPARE(label->text(), text);
        else if (auto* frameBox = qobject_cast<QGroupBox*>(widget))
            QCOMPARE(frameBox->title(), text);
        else if (auto* menu = qobject_cast<QMenu*>(widget))
            QCOMPARE(menu->title(), text);
        else
            QCOMPARE(this->text(window, control), text);
    }

    // Controls stand where their window's table puts them; an empty cell is not checked.
    void geometry_data() {
        QTest::addColumn<golden::Row>("row");
        for (const golden::Row& row : golden::table("geometry.tsv"))
            QTest::addRow("%s.%s", qPrintable(row["window"]), qPrintable(row["control"])) << row;
    }
    void geometry() {
        QFETCH(golden::Row, row);
        open(row["window"]);
        auto* widget = control<QWidget>(row["window"], row["control"]);
        QVERIFY(widget);
        const QRect placed = widget->geometry();
        const int actual[] = {placed.left(), placed.top(), placed.width(), placed.height()};
        const char* columns[] = {"left", "top", "width", "height"};
        for (int i = 0; i < 4; ++i)
            if (!row[columns[i]].isEmpty())
                QVERIFY2(actual[i] == pixels(row[columns[i]]),
                         qPrintable(QString("%1 is %2").arg(columns[i]).arg(actual[i])));
    }

    // Every button and menu entry does what the table says, with the caption it gives; a
    // window's close box does what the button it stands for does.
    void buttons_data() {
        QTest::addColumn<golden::Row>("row");
        QTest::addColumn<bool>("closeBox");
        QHash<QString, QString> closeBoxes;
        for (const golden::Row& window : golden::table("windows.tsv"))
            closeBoxes.insert(window["window"], window["closebox"]);
        for (const golden::Row& button : golden::table("buttons.tsv")) {
            QTest::addRow("%s.%s", qPrintable(button["window"]), qPrintable(button["button"]))
                << button << false;
            if (closeBoxes.value(button["window"]) == button["button"])
                QTest::addRow("%s close box", qPrintable(button["window"])) << button << true;
        }
    }
    void buttons() {
        QFETCH(golden::Row, row);
        QFETCH(bool, closeBox);
        const QString window = row["window"];
        const QString target = row["target"];
        const QString operation = row["operation"];
        Window* shown = reach(window);
        QVERIFY(shown);
        const QStringList before = frame().loadedWindows();
        if (auto* entry = shown->findChild<QAction*>(row["button"]))
            QCOMPARE(entry->text(), row["caption"]);
        else
            QCOMPARE(control<QAbstractButton>(window, row["button"])->text(), row["caption"]);

        if (closeBox) {
            shown->close();
            settle();
        } else {
            press(window, row["button"]);
        }
        QCOMPARE(platform().endProgramCalls, operation == "end" ? 1 : 0);
        if (operation == "navigate" || operation == "generate") {
            QCOMPARE(frame().loadedWindows(), QStringList{target});
            QVERIFY(frame().loaded(target)->isVisible());
        } else if (operation == "open") {
            QCOMPARE(frame().loadedWindows(), sorted(before + QStringList{target}));
            QVERIFY(frame().loaded(target)->isVisible());
            QVERIFY(locked(window, true));
        } else if (operation == "close") {
            QStringList after = before;
            after.removeOne(window);
            QCOMPARE(frame().loadedWindows(), after);
            QVERIFY(locked(target, false));
        } else if (operation == "send" || operation == "web") {
            QCOMPARE(frame().loadedWindows(), before);
            QCOMPARE(platform().openedUrls.size() + platform().started.size(), 1);
            QVERIFY(locked(window, false));
        } else {
            QCOMPARE(operation, QString("end"));
        }
    }

    void targetIsShownBeforeSourceDisappears() {
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

    // Every confirm-exit dialog answered with Yes, No and the close box, over an owner with a
    // row selected and text in its boxes: the dialog's text and first focus, the owner locked
    // (its close box too) while it is open, and after No the owner exactly as it was with the
    // focus back.
    void exitDialogs_data() {
        QTest::addColumn<golden::Row>("row");
        QTest::addColumn<QString>("answer");
        for (const golden::Row& dialog : golden::table("exitdialogs.tsv"))
            for (const char* answer : {"yes", "no", "closebox"})
                QTest::addRow("%s %s", qPrintable(dialog["dialog"]), answer) << dialog << answer;
    }
    void exitDialogs() {
        QFETCH(golden::Row, row);
        QFETCH(QString, answer);
        const QString owner = row["owner"];
        const QString dialog = row["dialog"];
        Window* window = reach(owner);
        QVERIFY(window);
        auto* list = window->findChild<ListBox*>();
        if (list)
            select(owner, list->objectName(), 1);
        QStringList boxes;
        for (QLineEdit* box : window->findChildren<QLineEdit*>())
            if (!box->isReadOnly()) {
                type(owner, box->objectName(), "7");
                boxes << box->objectName();
            }
        const QMap<QString, bool> flags = enabledFlags(window);
        const QStringList before = frame().loadedWindows();

        control<QWidget>(owner, row["opener"])->setFocus();
        click(owner, row["opener"]);
        QCOMPARE(frame().loadedWindows(), sorted(before + QStringList{dialog}));
        QVERIFY(locked(owner, true));
        window->close(); // the locked owner's close box does nothing
        settle();
        QCOMPARE(frame().loadedWindows(), sorted(before + QStringList{dialog}));
        QVERIFY(window->isVisible());
        QCOMPARE(control<QLabel>(dialog, "lblexit")->text(), row["text"]);
        QWidget* focus = focusedIn(frame(), dialog);
        QVERIFY(focus);
        QCOMPARE(focus->objectName(), row["focus"]);

        QString outcome = row[answer];
        if (answer == "closebox") {
            outcome = row[outcome];
            frame().loaded(dialog)->close();
            settle();
        } else if (answer == "yes") {
            click(dialog, "cmdyes");
        } else {
            // By keyboard, as the focus after No matters most to a user without a mouse.
            auto* no = control<QWidget>(dialog, "cmdno");
            no->setFocus();
            QTest::keyClick(no, Qt::Key_Return);
            settle();
        }
        if (outcome == "end") {
            QCOMPARE(platform().endProgramCalls, 1);
            return;
        }
        QCOMPARE(outcome, QString("close"));
        QCOMPARE(platform().endProgramCalls, 0);
        QCOMPARE(frame().loadedWindows(), before);
        QCOMPARE(enabledFlags(window), flags);
        if (list)
            QCOMPARE(list->selectedIndex(), 1);
        for (const QString& box : boxes)
            QCOMPARE(text(owner, box), QString("7"));
        QTRY_COMPARE(focusName(), row["focusafterno"]);
    }

    // Every named control of a window is in its set, but for the few that must stay usable.
    void lockOutSetsCoverTheirWindows() {
        const QStringList alwaysUsable{"txtangle", "lblangle"};
        QCOMPARE(windowsWithLockOutSets().size(), 23);
        for (const WindowId id : windowsWithLockOutSets()) {
            const QString name = objectNameOf(id);
            Window* window = frame().window(id);
            const QStringList set = lockOutSet(id);
            QCOMPARE(QSet<QString>(set.begin(), set.end()).size(), set.size());
            for (QWidget* child : window->client()->findChildren<QWidget*>()) {
                const QString control = child->objectName();
                if (control.isEmpty() || control.startsWith("qt_") ||
                    alwaysUsable.contains(control) || control.startsWith("Label1"))
                    continue;
                QVERIFY2(set.contains(control),
                         qPrintable(name + "." + control + " not in its set"));
            }
            frame().unload(windowId(name));
        }
    }

    // The angle box and its label stay usable on a locked vehicle creator.
    void lockingLeavesTheAngleUsable() {
        for (const char* name : {"frmgta3vehicle", "frmgtavcvehicle", "frmgtasavehicle"}) {
            Window* window = open(name);
            frame().lock(windowId(name));
            QVERIFY(window->findChild<QWidget*>("txtangle")->isEnabled());
            QVERIFY(window->findChild<QWidget*>("lblangle")->isEnabled());
            QVERIFY(!window->findChild<QWidget*>("cmdgencode")->isEnabled());
            frame().unlock(windowId(name));
            for (QWidget* child : window->client()->findChildren<QWidget*>())
                QVERIFY(child->isEnabled());
            frame().unload(windowId(name));
        }
    }

    // The focus starts on the lowest tab position, and Tab walks the window in order.
    void tabOrder_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("order");
        for (const golden::Row& row : golden::table("taborder.tsv"))
            QTest::newRow(qPrintable(row["window"])) << row["window"] << row["order"].split(u' ');
    }
    void tabOrder() {
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

    void enterPressesTheFocusedButton() {
        open("frmgta3codepick");
        QWidget* focus = focusedIn(frame(), "frmgta3codepick");
        QVERIFY(focus);
        QTest::keyClick(focus, Qt::Key_Tab); // to "Create Item Spawn Point"
        QTest::keyClick(focusedIn(frame(), "frmgta3codepick"), Qt::Key_Return);
        settle();
        QCOMPARE(frame().loadedWindows(), QStringList{"frmgta3item"});
    }

    void escapeDoesNothing() {
        for (const char* name : {"frmgta3weapon", "frmgtagpexit", "frm3notavailable"}) {
            frame().unloadAll();
            open(name);
            QTest::keyClick(focusedIn(frame(), name), Qt::Key_Escape);
            settle();
            QCOMPARE(frame().loadedWindows(), QStringList{name});
        }
        QCOMPARE(platform().endProgramCalls, 0);
    }

    void accessKeysAnswerTheConfirmDialog_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("ends");
        QTest::newRow("Alt+Y") << int(Qt::Key_Y) << 1;
        QTest::newRow("Alt+N") << int(Qt::Key_N) << 0;
    }
    void accessKeysAnswerTheConfirmDialog() {
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
    // The start-up check names every window without a builder, and a second registration.
    void registrationCheckNamesTheWindows() {
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
    void pressWithoutItsTarget_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control");
        QTest::newRow("navigate") << "frmgta3codepick"
                                  << "cmdgta3weapon";
        QTest::newRow("open dialog") << "frmgtapick"
                                     << "mnuemail";
    }
    void pressWithoutItsTarget() {
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
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
