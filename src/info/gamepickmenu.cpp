#include "info/gamepickmenu.h"

#include "app/frame.h"
#include "info/builtins.h"
#include "platform/platform.h"

namespace spawnsmith {
namespace {

// Starts a new browser process on the address and returns at once. Where the browser of the
// built-in command line is missing, the desktop's own browser is started instead.
Action openWebSite(const char* address) {
    return runRoutine([address](Frame& frame) {
        Platform& platform = frame.platform();
        const QString browser = QString::fromUtf8(builtin::browserPath);
        if (platform.programExists(browser))
            platform.startBrowser(browser, QString::fromUtf8(address));
        else
            platform.openUrl(QByteArray(address), 0);
    });
}

} // namespace

MenuBarContents gamePickMenus() {
    static const std::vector<MenuTitle> menus = {
        {"mnuabout",
         "&About",
         {{.name = "mnuprogram",
           .caption = "&Program",
           .shortcut = "Ctrl+P",
           .action = openDialog(WindowId::frmaboutprogram)},
          {.name = "mnuversion",
           .caption = "&Version",
           .shortcut = "Ctrl+V",
           .action = openDialog(WindowId::frmaboutversion)},
          {.name = "mnucopyright",
           .caption = "C&opyright",
           .shortcut = "Ctrl+O",
           .action = openDialog(WindowId::frmaboutcopyright)}}},
        {"mnuthanks",
         "Mem&bers",
         {{.name = "mnuthanks2",
           .caption = "&Thanks",
           .shortcut = "Ctrl+T",
           .action = openDialog(WindowId::frmthanks)}}},
        {"mnucontact",
         "&Contact",
         {{.name = "mnuemail",
           .caption = "&E-Mail",
           .shortcut = "Ctrl+E",
           .action = openDialog(WindowId::frmsendemail)}}},
        {"mnuweb",
         "&Web Sites",
         {{.name = "mnutarvik",
           .caption = "&Tarvik's Personal Site",
           .shortcut = "Ctrl+Y",
           .action = openWebSite(builtin::makerSite)},
          {.name = "mnuseporator", .caption = "-", .shortcut = nullptr, .action = noAction()},
          {.name = "mnugtaf",
           .caption = "GTA &Forums",
           .shortcut = "Ctrl+F",
           .action = openWebSite(builtin::forumSite)},
          {.name = "mnugtau",
           .caption = "&GTA Universe",
           .shortcut = "Ctrl+G",
           .action = openWebSite(builtin::communitySite)}}},
    };
    return menus;
}

} // namespace spawnsmith
