#include "app/menubar.h"

#include "app/frame.h"
#include "app/window.h"

#include <QMenuBar>

namespace spawnsmith {
namespace {

QString withoutAccessKey(const char* caption) {
    return QString::fromUtf8(caption).remove(QLatin1Char('&'));
}

} // namespace

QMenuBar* buildMenuBar(Frame& frame, Window* window, MenuBarContents menus) {
    auto* bar = new QMenuBar(window);
    bar->setObjectName(QStringLiteral("menubar"));
    bar->setAccessibleName(QStringLiteral("Menu bar"));
    const WindowId windowId = window->id();
    for (const MenuTitle& title : menus) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(title.caption));
        menu->setObjectName(QLatin1String(title.name));
        menu->setAccessibleName(withoutAccessKey(title.caption));
        for (const MenuEntry& entry : title.entries) {
            QAction* action = qstrcmp(entry.caption, "-") == 0
                                  ? menu->addSeparator()
                                  : menu->addAction(QString::fromUtf8(entry.caption));
            action->setObjectName(QLatin1String(entry.name));
            if (entry.shortcut)
                action->setShortcut(QKeySequence(QLatin1String(entry.shortcut)));
            QObject::connect(
                action, &QAction::triggered, &frame,
                [&frame, windowId, todo = entry.action] { frame.perform(windowId, todo); });
        }
    }
    return bar;
}

} // namespace spawnsmith
