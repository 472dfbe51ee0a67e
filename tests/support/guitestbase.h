#pragma once

#include "app/frame.h"
#include "app/widgets/listbox.h"
#include "app/window.h"
#include "support/recordingplatform.h"
#include "support/settle.h"

#include <QObject>
#include <QTest>

#include <memory>

class QAbstractButton;
class QLineEdit;

namespace spawnsmith {

// The window of an objectName that a test names; a name that is no window's ends the suite.
WindowId windowId(QAnyStringView name);

// The shared base of the GUI suites: a frame with every window registered on a recording
// platform, torn down after each test, and helpers that act as a user would.
class GuiTestBase : public QObject {
    Q_OBJECT
protected slots:
    void init();
    void cleanup();

protected:
    Frame& frame() { return *m_frame; }
    RecordingPlatform& platform() { return m_platform; }

    // Shows a screen the way the wizard would reach it, and waits until it is exposed.
    Window* open(const QString& window);
    // The named control of a loaded window; fails the test when either is missing.
    template <typename T> T* control(const QString& window, const QString& name) {
        Window* w = frame().loaded(window);
        if (!w) {
            QTest::qFail(qPrintable("window not loaded: " + window), __FILE__, __LINE__);
            return nullptr;
        }
        T* found = w->findChild<T*>(name);
        if (!found)
            QTest::qFail(qPrintable("no control " + window + "." + name), __FILE__, __LINE__);
        return found;
    }
    // Presses a button with the mouse and lets deferred deletions happen.
    void click(const QString& window, const QString& button);
    // Types into a box key by key, as the keyboard would.
    void type(const QString& window, const QString& box, const QString& text);
    // Pastes through the clipboard into a box.
    void paste(const QString& window, const QString& box, const QString& text);
    // Selects a list row by clicking it.
    void select(const QString& window, const QString& list, int row);
    // The text of a result box or an input box.
    QString text(const QString& window, const QString& box);
    // Processes pending events, including deferred deletions of unloaded windows.
    static void settle() { spawnsmith::settle(); }

private:
    RecordingPlatform m_platform;
    std::unique_ptr<Frame> m_frame;
};

} // namespace spawnsmith
