#pragma once

#include <QPushButton>

namespace spawnsmith {

// A command button: Enter presses it while it has the focus, it is never a default button, and
// a caption too long for one line wraps onto the next instead of being cut off. A held key
// presses it once: the repeats of a held Enter are ignored (Space presses on its release).
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(const QString& name, const QString& caption, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace spawnsmith
