#pragma once

#include <QPushButton>

namespace spawnsmith {

// A command button: Enter presses it while it has the focus, it is never a default button, and
// a caption too long for one line wraps onto the next instead of being cut off. (That a held
// key presses it only once is the frame's input guard's work.)
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(const QString& name, const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace spawnsmith
