#include "app/inputguard.h"

#include "app/frame.h"
#include "app/window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleHints>

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
    if (m_frame.loaded(window->objectName()) != window)
        return true;
    return isMouseInput(type) ? dropMouse(window, event) : dropKey(window, event);
}

bool InputGuard::dropMouse(const Window* window, QEvent* event) {
    const quint64 time = static_cast<QInputEvent*>(event)->timestamp();
    if (time == 0) // made by the program itself, not by a user
        return false;
    const auto interval =
        static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    if (window->openedAt() != 0 && time < window->openedAt() + interval)
        return true;
    if (event->type() != QEvent::Wheel)
        m_lastInputTimestamp = time;
    return false;
}

bool InputGuard::dropKey(Window* window, QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->timestamp() != 0 && event->type() == QEvent::KeyPress)
        m_lastInputTimestamp = key->timestamp();
    if (event->type() == QEvent::ShortcutOverride)
        return false;
    const int code = key->key();
    if (event->type() == QEvent::KeyPress && !key->isAutoRepeat()) {
        m_keyDownIn.insert(code, window);
        return false;
    }
    // A repeat, or the release: the key counts only where it went down. A key whose press the
    // guard never saw (it went down before the program started) is let through.
    const auto downIn = m_keyDownIn.constFind(code);
    const bool elsewhere = downIn != m_keyDownIn.constEnd() && downIn.value() != window;
    if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat())
        m_keyDownIn.remove(code);
    return elsewhere;
}

} // namespace spawnsmith
