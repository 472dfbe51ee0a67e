#include "app/accessibility.h"

#include "app/widgets/textarea.h"
#include "app/widgets/textbox.h"
#include "app/window.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QHash>
#include <QItemSelectionModel>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace spawnsmith {
namespace {

// A top-level window. Qt describes a plain QWidget window as a "filler" (a client area), which a
// screen reader does not announce as a window at all; a screen is a frame and a window opened
// over a screen is a dialog. The name is the caption, as for any window.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window) {}

    QAccessible::Role role() const override {
        // Read each time: the interface may be made while the window is still being built.
        const auto* window = qobject_cast<const Window*>(widget());
        return window && window->opensOverAScreen() ? QAccessible::Dialog : QAccessible::Window;
    }
};

// One row of a list box. Qt's own row interface never reports a row disabled, so the rows of a
// locked list read as usable, and its select action works on a disabled list. This one follows
// the list's enabled state and refuses to select while the list is disabled.
class ListRowAccessible : public QAccessibleInterface,
                          public QAccessibleTableCellInterface,
                          public QAccessibleActionInterface {
public:
    ListRowAccessible(QAbstractItemView* view, const QModelIndex& index)
        : m_view(view), m_index(index) {}

    bool isValid() const override { return m_view && m_view->model() && m_index.isValid(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_view.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        if (t == QAccessible::Description)
            return m_index.data(Qt::AccessibleDescriptionRole).toString();
        if (t != QAccessible::Name)
            return {};
        const QString name = m_index.data(Qt::AccessibleTextRole).toString();
        return name.isEmpty() ? m_index.data(Qt::DisplayRole).toString() : name;
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect area = m_view->visualRect(m_index);
        if (area.isNull())
            return area;
        return area.translated(m_view->viewport()->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid())
            return state;
        const QRect viewArea(m_view->viewport()->mapToGlobal(QPoint(0, 0)),
                             m_view->viewport()->size());
        state.invisible = !m_view->isVisible() || !viewArea.intersects(rect());
        state.selected = isSelected();
        // Focused only while the list itself has the keyboard focus, as for any other control.
        state.focused = m_view->hasFocus() && m_view->currentIndex() == m_index;
        const Qt::ItemFlags flags = m_index.flags();
        state.selectable = state.focusable = flags.testFlag(Qt::ItemIsSelectable);
        state.disabled = !m_view->isEnabled() || !flags.testFlag(Qt::ItemIsEnabled);
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (t == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // The cell of a one-column table.
    bool isSelected() const override {
        return isValid() && m_view->selectionModel()->isSelected(m_index);
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return 0; }
    int rowIndex() const override { return m_index.row(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // "Toggle" selects the row, as a click on it does.
    QStringList actionNames() const override {
        if (!isValid() || !(m_index.flags() & Qt::ItemIsSelectable))
            return {};
        return {toggleAction()};
    }
    void doAction(const QString& action) override {
        if (action != toggleAction() || !isValid())
            return;
        if (QAccessibleInterface* list = table(); list && list->tableInterface()) {
            if (isSelected())
                list->tableInterface()->unselectRow(m_index.row());
            else
                list->tableInterface()->selectRow(m_index.row());
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QAbstractItemView> m_view;
    QPersistentModelIndex m_index;
};

// A single-column list box whose children are its rows (ListRowAccessible), offered through the
// table interface so that a screen reader can read and select rows.
class ListAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit ListAccessible(QAbstractItemView* view) : QAccessibleWidget(view, QAccessible::List) {}
    ~ListAccessible() override { forgetRows(); }

    QAbstractItemView* view() const { return static_cast<QAbstractItemView*>(widget()); }

    int childCount() const override { return rowCount(); }
    QAccessibleInterface* child(int index) const override { return cellAt(index, 0); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        auto* row = const_cast<QAccessibleInterface*>(child);
        if (!row || row->role() != QAccessible::ListItem || row->parent() != this)
            return -1;
        return row->tableCellInterface() ? row->tableCellInterface()->rowIndex() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QModelIndex index = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? cellAt(index.row(), 0) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const QModelIndex current = view()->currentIndex();
        return current.isValid() ? cellAt(current.row(), 0) : nullptr;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessibleInterface* cellAt(int row, int column) const override {
        if (column != 0 || row < 0 || row >= rowCount())
            return nullptr;
        if (const auto known = m_rows.constFind(row); known != m_rows.constEnd())
            return QAccessible::accessibleInterface(known.value());
        auto* cell = new ListRowAccessible(view(), modelIndex(row));
        m_rows.insert(row, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int columnCount() const override { return 1; }
    int rowCount() const override {
        return view()->model() ? view()->model()->rowCount(view()->rootIndex()) : 0;
    }

    int selectedCellCount() const override { return static_cast<int>(selectedRows().size()); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (int row : selectedRows())
            cells.append(cellAt(row, 0));
        return cells;
    }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override {
        QList<int> rows;
        if (!view()->selectionModel())
            return rows;
        for (int row = 0; row < rowCount(); ++row)
            if (isRowSelected(row))
                rows.append(row);
        return rows;
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override {
        return view()->selectionModel() && view()->selectionModel()->isSelected(modelIndex(row));
    }
    // Selecting a row makes it the current row as a click does; a disabled list refuses.
    bool selectRow(int row) override {
        const QModelIndex index = modelIndex(row);
        if (!view()->isEnabled() || !index.isValid() || !view()->selectionModel() ||
            view()->selectionMode() == QAbstractItemView::NoSelection)
            return false;
        view()->setCurrentIndex(index);
        return isRowSelected(row);
    }
    // A single-selection list keeps its one selected row, as it does for mouse and keyboard.
    bool unselectRow(int row) override {
        const QModelIndex index = modelIndex(row);
        if (!view()->isEnabled() || !index.isValid() || !view()->selectionModel() ||
            view()->selectionMode() == QAbstractItemView::SingleSelection ||
            view()->selectionMode() == QAbstractItemView::NoSelection)
            return false;
        view()->selectionModel()->select(index, QItemSelectionModel::Deselect);
        return !isRowSelected(row);
    }
    bool selectColumn(int) override { return false; }
    bool unselectColumn(int) override { return false; }

    // Rows move or vanish with the model; the next question makes them afresh.
    void modelChange(QAccessibleTableModelChangeEvent*) override { forgetRows(); }

private:
    QModelIndex modelIndex(int row) const {
        return view()->model() ? view()->model()->index(row, 0, view()->rootIndex())
                               : QModelIndex();
    }
    void forgetRows() {
        for (QAccessible::Id id : std::as_const(m_rows))
            QAccessible::deleteAccessibleInterface(id);
        m_rows.clear();
    }

    mutable QHash<int, QAccessible::Id> m_rows;
};

// A text box as assistive technology reads and edits it. Qt's own interfaces for line and
// plain-text edits carry out every insert, delete and replace a client asks for (a screen
// reader's insert, cut, paste or set-contents), even on a disabled or read-only box that no
// keyboard could change. These take an edit only while the box is enabled and not read-only;
// reading, the cursor and the selection work as in Qt's.
class TextAccessible : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface {
public:
    explicit TextAccessible(QWidget* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    using QAccessibleTextInterface::text;

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return text(0, characterCount());
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value)
            replaceText(0, characterCount(), text);
        else
            QAccessibleWidget::setText(t, text);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = readOnly();
        state.editable = !state.readOnly;
        state.selectableText = true;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        if (!widget()->isEnabled() || readOnly())
            return;
        // Offsets from a client are clamped to the text, which a keyboard cannot leave either.
        const int count = characterCount();
        start = std::clamp(start, 0, count);
        replace(start, std::clamp(end, start, count), text);
    }

    void addSelection(int start, int end) override { setSelection(0, start, end); }
    int selectionCount() const override {
        int start = 0;
        int end = 0;
        selection(0, &start, &end);
        return start == end ? 0 : 1;
    }
    void scrollToSubstring(int start, int end) override {
        setCursorPosition(end);
        setCursorPosition(start);
    }
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }
    // An offset of -2 stands for the cursor's position.
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                             int* end) const override {
        return QAccessibleTextInterface::textBeforeOffset(at(offset), boundary, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                            int* end) const override {
        return QAccessibleTextInterface::textAfterOffset(at(offset), boundary, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override {
        return QAccessibleTextInterface::textAtOffset(at(offset), boundary, start, end);
    }

protected:
    virtual bool readOnly() const = 0;
    // Replaces the characters from `start` to `end` (both within the text) as an edit would.
    virtual void replace(int start, int end, const QString& text) = 0;

    // The rectangle, on the screen, of a character whose left edge is `left` on a line whose
    // rectangle is `line` (both in `owner`'s coordinates).
    QRect screenRect(QWidget* owner, int offset, int left, const QRect& line) const {
        const QString character = text(offset, offset + 1);
        if (character.isEmpty())
            return {};
        const QRect area(left, line.top(),
                         QFontMetrics(widget()->font()).horizontalAdvance(character),
                         line.height());
        return area.translated(owner->mapToGlobal(QPoint(0, 0)));
    }

private:
    int at(int offset) const { return offset == -2 ? cursorPosition() : offset; }
};

class TextBoxAccessible final : public TextAccessible {
public:
    explicit TextBoxAccessible(TextBox* box) : TextAccessible(box) {}

    TextBox* box() const { return static_cast<TextBox*>(widget()); }

    using TextAccessible::text;
    QString text(int start, int end) const override {
        return start > end ? QString() : box()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(box()->text().size()); }

    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = box()->selectionEnd();
        }
    }
    void removeSelection(int index) override {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0)
            box()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }

    // A character's left edge is found from the cursor's, which the box reports with its
    // scrolling taken into account.
    QRect characterRect(int offset) const override {
        const QRect cursor = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int from = std::min(offset, cursorPosition());
        const int to = std::max(offset, cursorPosition());
        const int span = QFontMetrics(box()->font()).horizontalAdvance(text(from, to));
        const int left = cursor.left() + (offset < cursorPosition() ? -span : span);
        return screenRect(box(), offset, left, cursor);
    }
    int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }

protected:
    bool readOnly() const override { return box()->isReadOnly(); }
    // Set as a whole, so that the box's character limit applies as it does to a paste.
    void replace(int start, int end, const QString& text) override {
        box()->setText(box()->text().replace(start, end - start, text));
    }
};

class TextAreaAccessible final : public TextAccessible {
public:
    explicit TextAreaAccessible(TextArea* area) : TextAccessible(area) {}

    TextArea* area() const { return static_cast<TextArea*>(widget()); }

    using TextAccessible::text;
    // Lines end in a line feed, as in Qt's own interface.
    QString text(int start, int end) const override {
        if (start > end)
            return {};
        return range(start, end).selectedText().replace(QChar::ParagraphSeparator, u'\n');
    }
    int characterCount() const override { return area()->document()->characterCount() - 1; }

    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        const QTextCursor cursor = area()->textCursor();
        if (index == 0 && cursor.hasSelection()) {
            *start = cursor.selectionStart();
            *end = cursor.selectionEnd();
        }
    }
    void removeSelection(int index) override {
        if (index == 0)
            setCursorPosition(cursorPosition());
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0)
            area()->setTextCursor(range(start, end));
    }
    int cursorPosition() const override { return area()->textCursor().position(); }
    void setCursorPosition(int position) override {
        area()->setTextCursor(range(position, position));
    }

    QRect characterRect(int offset) const override {
        const QRect cursor = area()->cursorRect(range(offset, offset));
        return screenRect(area()->viewport(), offset, cursor.left(), cursor);
    }
    int offsetAtPoint(const QPoint& point) const override {
        return area()->cursorForPosition(area()->viewport()->mapFromGlobal(point)).position();
    }

protected:
    bool readOnly() const override { return area()->isReadOnly(); }
    // Inserted as a paste is, so that the characters the document would take for its own
    // marks survive.
    void replace(int start, int end, const QString& text) override {
        range(start, end).insertText(toDocumentText(text));
    }

private:
    // A cursor over the document from `start` to `end`, both clamped to the document.
    QTextCursor range(int start, int end) const {
        const int count = characterCount();
        QTextCursor cursor(area()->document());
        cursor.setPosition(std::clamp(start, 0, count));
        cursor.setPosition(std::clamp(end, 0, count), QTextCursor::KeepAnchor);
        return cursor;
    }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    if (className == QLatin1String("spawnsmith::Window"))
        return new WindowAccessible(static_cast<QWidget*>(object));
    if (className == QLatin1String("spawnsmith::ListBox"))
        return new ListAccessible(static_cast<QAbstractItemView*>(object));
    if (className == QLatin1String("spawnsmith::TextBox"))
        return new TextBoxAccessible(static_cast<TextBox*>(object));
    if (className == QLatin1String("spawnsmith::TextArea"))
        return new TextAreaAccessible(static_cast<TextArea*>(object));
    return nullptr;
}

} // namespace

void installAccessibility() {
    // Qt keeps each factory once, however often it is installed.
    QAccessible::installFactory(interfaceFor);
}

} // namespace spawnsmith
