#pragma once

#include "app/windowid.h"

#include <QAbstractButton>
#include <QList>
#include <QPointer>
#include <QWidget>

class QMenuBar;

namespace spawnsmith {

// A top-level window of the wizard: fixed size, no minimize or maximize button, the common icon
// and caption. Controls live on the fixed-size client area, below an optional menu bar. The
// title-bar close box presses the window's chosen button if that button is enabled and is
// ignored otherwise, so closing a window never skips its handler or leaves a screen locked.
class Window : public QWidget {
    Q_OBJECT
public:
    // A framed window, named after its id. `title` is the full caption; the client area's size
    // is given in twips.
    Window(WindowId id, const QString& title, int widthTwips, int heightTwips);

    WindowId id() const { return m_id; }

    QWidget* client() const { return m_client; }

    // Whether the window is opened over a screen (a dialog: confirm-exit, information,
    // not-available, the composer) rather than being a screen of its own. To the window system
    // it is a window like any other, with no owner and a task bar button of its own.
    bool opensOverAScreen() const { return m_opensOverAScreen; }
    void setOpensOverAScreen(bool dialog) { m_opensOverAScreen = dialog; }
    void setMenuBar(QMenuBar* menuBar);
    void setCloseBoxButton(QAbstractButton* button) { m_closeBoxButton = button; }
    void setFirstFocus(QWidget* widget) { m_firstFocus = widget; }
    QWidget* firstFocus() const { return m_firstFocus; }

    // The controls disabled while another window is open over this one, in the order in which
    // they are walked. A menu stands for its title in the menu bar.
    void setLockOutSet(const QList<QObject*>& controls);
    // Sets every control of the set to disabled (locked) or enabled, in order, without touching
    // any other control.
    void setLocked(bool locked);
    // Whether a control of the window can still take the focus: one outside its lock-out set
    // (the vehicle creators' angle box) stays usable while a dialog is open over the window.
    bool hasUsableControl() const;

    // The time stamp of the input that was being handled when the window was shown (0 if none),
    // and whether it was a click.
    quint64 openedAt() const { return m_openedAt; }
    bool openedByMouse() const { return m_openedByMouse; }
    void setOpenedBy(quint64 timestamp, bool mouse) {
        m_openedAt = timestamp;
        m_openedByMouse = mouse;
    }

signals:
    // The window has become the active one.
    void activated();
    // The window has appeared on screen (the first time only): its frame is known now.
    void exposed();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    WindowId m_id;
    QWidget* m_client;
    quint64 m_openedAt = 0;
    bool m_openedByMouse = false;
    bool m_opensOverAScreen = false;
    bool m_exposed = false;
    QPointer<QAbstractButton> m_closeBoxButton;
    QPointer<QWidget> m_firstFocus;
    QList<QPointer<QObject>> m_lockOutSet;
};

} // namespace spawnsmith
