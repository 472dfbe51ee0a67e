#include "app/widgets/listbox.h"

namespace spawnsmith {

ListBox::ListBox(const QString& name, const QString& accessibleName, const QStringList& rows,
                 QWidget* parent)
    : QListWidget(parent) {
    setObjectName(name);
    setAccessibleName(accessibleName);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    addItems(rows);
}

int ListBox::selectedIndex() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    // The view makes the first row current on focus; with nothing selected that would make
    // the first Down arrow jump to the second row.
    if (selectedIndex() < 0)
        selectionModel()->clearCurrentIndex();
}

} // namespace spawnsmith
