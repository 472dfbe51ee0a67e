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
    return menus;
}

} // namespace spawnsmith
