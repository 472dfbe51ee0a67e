#pragma once

#include <QListWidget>

namespace spawnsmith {

// A single-selection list of catalogue rows that opens with no row selected. The first arrow
// key press selects the first row rather than skipping it.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    ListBox(const QString& name, const QString& accessibleName, const QStringList& rows,
            QWidget* parent);

    // The selected row's index, or -1 when no row is selected.
    int selectedIndex() const;

protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace spawnsmith
