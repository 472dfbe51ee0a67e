#include "app/window.h"

#include "app/layout.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QFont>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace spawnsmith {

Window::Window(WindowId id, const QString& title, int widthTwips, int heightTwips)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      m_id(id), m_client(new QWidget(this)) {
    const QString name = objectNameOf(id);
    setObjectName(name);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose, false);
    // The windows' sizes are fixed in twips, so the text is fixed in size too: the classic
    // 8-point dialog size, whatever the desktop's default.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    m_client->setObjectName(name + QStringLiteral("_client"));
    m_client->setFixedSize(twipsSize(widthTwips, heightTwips));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_client);
}

void Window::setMenuBar(QMenuBar* menuBar) {
    // Placed as the layout's first widget: QLayout::setMenuBar() leaks a little memory each
    // time a window with a menu bar is destroyed.
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, menuBar);
}

void Window::setLockOutSet(const QList<QObject*>& controls) {
    m_lockOutSet.clear();
    for (QObject* control : controls)
        m_lockOutSet.append(control);
}

void Window::setLocked(bool locked) {
    for (const QPointer<QObject>& control : m_lockOutSet) {
        if (auto* menu = qobject_cast<QMenu*>(control)) {
            menu->menuAction()->setEnabled(!locked);
            menu->setEnabled(!locked);
        } else if (auto* widget = qobject_cast<QWidget*>(control)) {
            widget->setEnabled(!locked);
        }
    }
}

bool Window::hasUsableControl() const {
    const QList<QWidget*> controls = m_client->findChildren<QWidget*>();
    return std::any_of(controls.cbegin(), controls.cend(), [this](const QWidget* control) {
        return control->isEnabled() && control->isVisibleTo(this) &&
               control->focusPolicy() != Qt::NoFocus;
    });
}

void Window::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        emit activated();
}

void Window::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The native window exists now; its expose events tell when it is really on screen.
    if (!m_exposed && windowHandle())
        windowHandle()->installEventFilter(this);
}

bool Window::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && watched == windowHandle() && !m_exposed &&
        windowHandle()->isExposed()) {
        m_exposed = true;
        windowHandle()->removeEventFilter(this);
        emit exposed();
    }
    return QWidget::eventFilter(watched, event);
}

void Window::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (m_closeBoxButton && m_closeBoxButton->isEnabled())
        m_closeBoxButton->click();
}

} // namespace spawnsmith
