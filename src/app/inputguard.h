#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

namespace spawnsmith {

class Frame;
class Window;

// Keeps input meant for one window from acting on another, whatever is still queued:
// - a window that has been unloaded takes no further input;
// - a click whose press came before a window was shown, or within the double-click interval of
//   the input that showed it, does not act on that window (the second click of a double click
//   lands on whatever the first one opened);
// - a held key's repeats, and its release, act only on the window where the key went down.
// Installed on the application by the frame.
class InputGuard : public QObject {
    Q_OBJECT
public:
    explicit InputGuard(Frame& frame);

    // The time stamp of the latest mouse or key event that reached a window: the input that
    // made the program do what it is doing now.
    quint64 lastInputTimestamp() const { return m_lastInputTimestamp; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool dropMouse(const Window* window, QEvent* event);
    bool dropKey(Window* window, QEvent* event);

    Frame& m_frame;
    quint64 m_lastInputTimestamp = 0;
    QHash<int, QPointer<Window>> m_keyDownIn; // a held key and the window it went down in
};

} // namespace spawnsmith
