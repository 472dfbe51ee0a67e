#include "support/goldendata.h"
#include "support/guitestbase.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>

using namespace spawnsmith;

// What the program tells assistive technology, read from Qt's accessibility interfaces, so that
// it is checked headless on every run; run.sh beside this file reads the same through the
// desktop's accessibility bus.
class AccessibleInterfacesTest : public GuiTestBase {
    Q_OBJECT
private slots:
    void windowsAreFramesOrDialogs();
    void inputBoxesAreNamedByTheirLabels();
    void lockedListRowsAreDisabledAndKeepTheirSelection();
};

void AccessibleInterfacesTest::windowsAreFramesOrDialogs() {
    const QStringList screens{"splash", "gamepick", "codepick", "creator", "result"};
    for (const golden::Row& described : golden::table("windows.tsv")) {
        const QString name = described["window"];
        Window* window = frame().window(name);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window);
        QVERIFY(iface);
        const QAccessible::Role expected =
            screens.contains(described["kind"]) ? QAccessible::Window : QAccessible::Dialog;
        QVERIFY2(iface->role() == expected, qPrintable(name));
        QCOMPARE(iface->text(QAccessible::Name), window->windowTitle());
        frame().unload(windowId(name));
        settle();
    }
}

void AccessibleInterfacesTest::inputBoxesAreNamedByTheirLabels() {
    int boxes = 0;
    for (const WindowId id : frame().registeredWindows()) {
        const QString name = objectNameOf(id);
        Window* window = frame().window(id);
        for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
            ++boxes;
            const QString where = name + '.' + box->objectName();
            const auto labels =
                QAccessible::queryAccessibleInterface(box)->relations(QAccessible::Label);
            QVERIFY2(!labels.isEmpty(), qPrintable(where + " has no label"));
            // The label itself comes first; a frame around the box may follow.
            auto* label = qobject_cast<QLabel*>(labels.first().first->object());
            QVERIFY2(label, qPrintable(where + " is labelled by something else first"));
            QCOMPARE(label->buddy(), box);
            QCOMPARE(label->text(), box->accessibleName());
        }
        frame().unload(windowId(name));
        settle();
    }
    // Nine creators' coordinate, code name, ammunition, percentage and angle boxes (48) and the
    // composer's four one-line boxes.
    QCOMPARE(boxes, 52);
}

void AccessibleInterfacesTest::lockedListRowsAreDisabledAndKeepTheirSelection() {
    for (const golden::Row& creator : golden::table("creators.tsv")) {
        const QString name = creator["creator"];
        open(name);
        select(name, creator["list"], 1);
        auto* list = control<ListBox>(name, creator["list"]);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list);
        QAccessibleTableInterface* table = iface->tableInterface();
        QVERIFY(table);
        QCOMPARE(iface->childCount(), list->count());

        frame().lock(windowId(name));
        for (int row = 0; row < iface->childCount(); ++row)
            QVERIFY2(iface->child(row)->state().disabled, qPrintable(creator["list"]));
        QVERIFY(!table->selectRow(0));
        iface->child(2)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(list->selectedIndex(), 1);

        frame().unlock(windowId(name));
        for (int row = 0; row < iface->childCount(); ++row)
            QVERIFY(!iface->child(row)->state().disabled);
        QVERIFY(table->selectRow(2));
        QCOMPARE(list->selectedIndex(), 2);
        QCOMPARE(table->selectedRows(), QList<int>{2});
        QVERIFY(iface->child(2)->state().selected);
        frame().unload(windowId(name));
        settle();
    }
}

QTEST_MAIN(AccessibleInterfacesTest)
#include "accessible_interfaces_test.moc"
