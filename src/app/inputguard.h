#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

namespace spawnsmith {

class Frame;
class Window;

// Keeps input meant for one window from acting on another, whatever is still queued:
// - a window that has been unloaded takes no further input;
// - a click pressed before a window was shown, or within the double-click interval of the click
//   that showed it, does not act on that window (the second click of a double click lands on
//   whatever the first one opened);
// - a held key's repeats, and its release, act only on the window where the key went down, and
//   its repeats never press a button.
// Installed on the application by the frame.
class InputGuard : public QObject {
    Q_OBJECT
public:
    explicit InputGuard(Frame& frame);

    // The time stamp of the latest click or key press that reached a window, the input that
    // made the program do what it is doing now, and whether it came from the mouse.
    quint64 lastInputTimestamp() const { return m_lastInputTimestamp; }
    bool lastInputWasMouse() const { return m_lastInputWasMouse; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Longer than any keyboard's delay before a held key repeats, and than the pause between
    // its repeats.
    static constexpr quint64 longestRepeatDelayMs = 1500;

    bool dropMouse(const Window* window, QEvent* event);
    bool dropKey(Window* window, QWidget* receiver, QEvent* event);

    struct KeyRelease {
        int key = 0;
        quint64 time = 0;
    };

    Frame& m_frame;
    quint64 m_lastInputTimestamp = 0;
    bool m_lastInputWasMouse = false;
    QHash<int, QPointer<Window>> m_keyDownIn; // each key and the window it last went down in
    QHash<int, quint64> m_lastPressTime;      // each key's latest press or repeat
    KeyRelease m_lastRelease;
};

} // namespace spawnsmith
