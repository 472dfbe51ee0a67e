#include "app/inputguard.h"

#include "app/frame.h"
#include "app/window.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleHints>

#include <algorithm>

namespace spawnsmith {
namespace {

bool isMouseInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

bool isKeyInput(QEvent::Type type) {
    return type == QEvent::KeyPress || type == QEvent::KeyRelease ||
           type == QEvent::ShortcutOverride;
}

} // namespace

InputGuard::InputGuard(Frame& frame) : QObject(&frame), m_frame(frame) {}

bool InputGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (!watched->isWidgetType() || (!isMouseInput(type) && !isKeyInput(type)))
        return false;
    auto* window = qobject_cast<Window*>(static_cast<QWidget*>(watched)->window());
    if (!window)
        return false; // a menu's popup, say: not a window of the wizard
    // An unloaded window is hidden and deleted once control is back in the event loop; until
    // then it must not act on what is still queued for it.
    if (m_frame.loaded(window->id()) != window)
        return true;
    return isMouseInput(type) ? dropMouse(window, event)
                              : dropKey(window, static_cast<QWidget*>(watched), event);
}

bool InputGuard::dropMouse(const Window* window, QEvent* event) {
    const quint64 time = static_cast<QInputEvent*>(event)->timestamp();
    if (time == 0) // made by the program itself, not by a user
        return false;
    const auto interval =
        static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    // Pressed before the window was there, or the second click of the double click that
    // opened it.
    const quint64 opened = window->openedAt();
    if (opened != 0 && (time < opened || (window->openedByMouse() && time < opened + interval)))
        return true;
    if (event->type() != QEvent::Wheel) {
        m_lastInputTimestamp = time;
        m_lastInputWasMouse = true;
    }
    return false;
}

bool InputGuard::dropKey(Window* window, QWidget* receiver, QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::ShortcutOverride)
        return false;
    const int code = key->key();
    const quint64 time = key->timestamp();
    if (event->type() == QEvent::KeyRelease) {
        m_lastRelease = {code, time};
        return m_keyDownIn.value(code, window) != window;
    }
    // An X server repeats a held key as a release and a press with the same time stamp; Qt
    // marks only some of those presses as repeats.
    const bool markedRepeat = key->isAutoRepeat() || (time != 0 && m_lastRelease.key == code &&
                                                      m_lastRelease.time == time);
    // On Windows Qt marks a press as a repeat when it saw no release since the key's last press.
    // Wine loses the release of a key whose press opened a new window, and the key's next press
    // would count as a repeat. A held key repeats within a keyboard's longest delay (a second on
    // Windows), and only while no other key has gone down since (a keyboard repeats the key
    // pressed last), so a "repeat" that comes later, or after another key, is a new press.
    const quint64 previous = m_lastPressTime.value(code, 0);
    const bool stale = time != 0 && previous != 0 && time > previous + longestRepeatDelayMs;
    const bool otherKeySince = time != 0 && previous != 0 &&
                               std::any_of(m_lastPressTime.cbegin(), m_lastPressTime.cend(),
                                           [&](quint64 pressed) { return pressed > previous; });
    const bool repeat = markedRepeat && !stale && !otherKeySince;
    if (time != 0)
        m_lastPressTime.insert(code, time);
    if (!repeat) {
        m_keyDownIn.insert(code, window);
        if (time != 0) {
            m_lastInputTimestamp = time;
            m_lastInputWasMouse = false;
        }
        return false;
    }
    // A repeat counts only in the window where the key went down, and never presses a button.
    if (m_keyDownIn.value(code, window) != window)
        return true;
    const bool pressesButtons = code == Qt::Key_Return || code == Qt::Key_Enter ||
                                code == Qt::Key_Space || code == Qt::Key_Select;
    return pressesButtons && qobject_cast<QAbstractButton*>(receiver);
}

} // namespace spawnsmith
