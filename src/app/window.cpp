#include "app/window.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFont>
#include <QMenuBar>
#include <QVBoxLayout>

namespace spawnsmith {

Window::Window(const QString& name, const QString& title, int widthTwips, int heightTwips)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      m_client(new QWidget(this)) {
    setObjectName(name);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose, false);
    // The windows' sizes are fixed in design units, so the text is fixed in size too: the
    // classic 8-point dialog size, whatever the desktop's default.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    m_client->setObjectName(name + QStringLiteral("_client"));
    m_client->setFixedSize(px(widthTwips), px(heightTwips));
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

void Window::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (m_closeBoxButton && m_closeBoxButton->isEnabled())
        m_closeBoxButton->click();
}

} // namespace spawnsmith
