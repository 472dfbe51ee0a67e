#include "app/widgets/textarea.h"
#include "app/widgets/textbox.h"
#include "support/goldendata.h"
#include "support/guitestbase.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>

#include <functional>
#include <map>

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
    void onlyAnEditableBoxTakesTextEdits_data();
    void onlyAnEditableBoxTakesTextEdits();
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
        QVERIFY(!table->cellAt(list->count(), 0)); // no row past the last

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

namespace {

// What a client asks of a box through its accessible interface: the editable-text operations
// (a screen reader's insert, delete, cut, paste and set-contents all come down to these) and
// setting the value.
using Edit = std::function<void(QAccessibleInterface*)>;

const std::map<QString, Edit>& edits() {
    static const std::map<QString, Edit> table{
        {"insert", [](auto* box) { box->editableTextInterface()->insertText(1, "XY"); }},
        {"delete", [](auto* box) { box->editableTextInterface()->deleteText(0, 1); }},
        {"replace", [](auto* box) { box->editableTextInterface()->replaceText(1, 2, "Z"); }},
        {"set value", [](auto* box) { box->setText(QAccessible::Value, "new"); }},
        {"insert past the end",
         [](auto* box) { box->editableTextInterface()->insertText(9, "XY"); }},
    };
    return table;
}

} // namespace

// A box takes through its accessible interface only the edits a keyboard could make: none while
// it is locked (disabled) or read-only, and otherwise within its limit and its text (an offset
// past the end stands for the end).
void AccessibleInterfacesTest::onlyAnEditableBoxTakesTextEdits_data() {
    QTest::addColumn<bool>("multiLine");
    QTest::addColumn<QString>("state"); // "normal", "locked" or "read-only"
    QTest::addColumn<int>("limit");     // a one-line box's limit, 0 for none
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("expected"); // the text after the edit, from "abc"
    const QList<std::pair<QString, QString>> changed{{"insert", "aXYbc"},
                                                     {"delete", "bc"},
                                                     {"replace", "aZc"},
                                                     {"set value", "new"},
                                                     {"insert past the end", "abcXY"}};
    for (const bool multiLine : {false, true}) {
        const char* kind = multiLine ? "text area" : "text box";
        for (const auto& [edit, result] : changed) {
            QTest::addRow("%s, normal: %s", kind, qPrintable(edit))
                << multiLine << "normal" << 0 << edit << result;
            for (const char* state : {"locked", "read-only"})
                QTest::addRow("%s, %s: %s", kind, state, qPrintable(edit))
                    << multiLine << state << 0 << edit << "abc";
        }
    }
    QTest::newRow("text box at its limit: insert") << false << "normal" << 4 << "insert"
                                                   << "aXbc";
    QTest::newRow("text box at its limit: set value") << false << "normal" << 2 << "set value"
                                                      << "ne";
}

void AccessibleInterfacesTest::onlyAnEditableBoxTakesTextEdits() {
    QFETCH(bool, multiLine);
    QFETCH(QString, state);
    QFETCH(int, limit);
    QFETCH(QString, edit);
    QFETCH(QString, expected);
    QWidget holder;
    TextBox* line = nullptr;
    TextArea* area = nullptr;
    QWidget* box = nullptr;
    if (multiLine)
        box = area = new TextArea("txtbox", "Box", &holder);
    else
        box = line = new TextBox("txtbox", "Box", limit, &holder);
    const auto text = [&] { return line ? line->text() : area->text(); };
    if (line)
        line->setText("abc");
    else
        area->setText("abc");
    if (state == "locked")
        box->setEnabled(false);
    if (state == "read-only") {
        if (line)
            line->setReadOnly(true);
        else
            area->setReadOnly(true);
    }
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
    QVERIFY(iface);
    QVERIFY(iface->editableTextInterface() && iface->textInterface());
    QVERIFY(!iface->valueInterface());
    QCOMPARE(iface->state().readOnly, state == "read-only");
    edits().at(edit)(iface);
    QCOMPARE(text(), expected);
    QCOMPARE(iface->text(QAccessible::Value), expected);
}

QTEST_MAIN(AccessibleInterfacesTest)
#include "accessible_interfaces_test.moc"
