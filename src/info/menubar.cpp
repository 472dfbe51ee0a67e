#include "info/info.h"

#include "app/frame.h"
#include "app/window.h"
#include "info/builtins.h"
#include "platform/platform.h"

#include <QMenuBar>

#include <vector>

namespace spawnsmith {
namespace {

struct MenuEntry {
    const char* name;
    const char* caption; // "-" for a separator line
    const char* shortcut;
    Action action;
};

struct MenuTitle {
    const char* name;
    const char* caption;
    std::vector<MenuEntry> entries;
};

// Starts a new browser process on the address and returns at once. Where the browser of the
// built-in command line is missing, the desktop's own browser is started instead.
Action openWebSite(const char* address) {
    return runRoutine([address](Frame& frame, const QString&) {
        Platform& platform = frame.platform();
        const QString browser = QString::fromUtf8(builtin::browserPath);
        if (platform.programExists(browser))
            platform.startDetached(browser, {QString::fromUtf8(address)});
        else
            platform.openUrl(QByteArray(address));
    });
}

const std::vector<MenuTitle>& menus() {
    static const std::vector<MenuTitle> table = {
        {"mnuabout",
         "&About",
         {{"mnuprogram", "&Program", "Ctrl+P", openDialog("frmaboutprogram")},
          {"mnuversion", "&Version", "Ctrl+V", openDialog("frmaboutversion")},
          {"mnucopyright", "C&opyright", "Ctrl+O", openDialog("frmaboutcopyright")}}},
        {"mnuthanks", "Mem&bers", {{"mnuthanks2", "&Thanks", "Ctrl+T", openDialog("frmthanks")}}},
        {"mnucontact", "&Contact", {{"mnuemail", "&E-Mail", "Ctrl+E", openDialog("frmsendemail")}}},
        {"mnuweb",
         "&Web Sites",
         {{"mnutarvik", "&Tarvik's Personal Site", "Ctrl+Y", openWebSite(builtin::makerSite)},
          {"mnuseporator", "-", nullptr, noAction()},
          {"mnugtaf", "GTA &Forums", "Ctrl+F", openWebSite(builtin::forumSite)},
          {"mnugtau", "&GTA Universe", "Ctrl+G", openWebSite(builtin::communitySite)}}},
    };
    return table;
}

QString withoutAccessKey(const char* caption) {
    return QString::fromUtf8(caption).remove(QLatin1Char('&'));
}

} // namespace

// While the lock-out routine has a menu title disabled, Qt neither opens that menu nor fires its
// entries' shortcuts, so a locked game-pick screen ignores the menu keys as well.
QMenuBar* buildGamePickMenuBar(Frame& frame, Window* gamePick) {
    auto* bar = new QMenuBar(gamePick);
    bar->setObjectName(QStringLiteral("menubar"));
    bar->setAccessibleName(QStringLiteral("Menu bar"));
    const QString windowName = gamePick->objectName();
    for (const MenuTitle& title : menus()) {
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
                [&frame, windowName, todo = entry.action] { frame.perform(windowName, todo); });
        }
    }
    return bar;
}

} // namespace spawnsmith
