#include "app/lockout/exitdialogs.h"

#include "app/controls.h"
#include "app/frame.h"
#include "app/layout.h"
#include "app/widgets/commandbutton.h"
#include "app/window.h"

#include <QLabel>

namespace spawnsmith {
namespace {

enum class Focus { Yes, No };

struct ExitDialog {
    WindowId id;
    WindowId caller; // the window whose lock-out set "No" enables again
    Focus focus;
    int widthTwips = 3210;
    int heightTwips = 975;
    int labelLeftTwips = 435;
    const char* yes = "Yes";
    const char* no = "No";
};

constexpr ExitDialog dialogs[] = {
    {.id = WindowId::frmgtagpexit,
     .caller = WindowId::frmgtapick,
     .focus = Focus::Yes,
     .widthTwips = 3240,
     .labelLeftTwips = 428},
    {WindowId::frmgta3cpexit, WindowId::frmgta3codepick, Focus::No},
    {WindowId::frmgtavccpexit, WindowId::frmgtavccodepick, Focus::No},
    {WindowId::frmgtasacpexit, WindowId::frmgtasacodepick, Focus::No},
    {WindowId::frmgta3weaponexit, WindowId::frmgta3weapon, Focus::No},
    {WindowId::frmgta3itemexit, WindowId::frmgta3item, Focus::Yes},
    {WindowId::frmgta3vehicleexit, WindowId::frmgta3vehicle, Focus::Yes},
    {.id = WindowId::frmgtavcweaponexit,
     .caller = WindowId::frmgtavcweapon,
     .focus = Focus::Yes,
     .widthTwips = 3180,
     .heightTwips = 945},
    {WindowId::frmgtavcitemexit, WindowId::frmgtavcitem, Focus::Yes},
    {WindowId::frmgtavcvehicleexit, WindowId::frmgtavcvehicle, Focus::No},
    {WindowId::frmgtasaweaponexit, WindowId::frmgtasaweapon, Focus::No},
    {WindowId::frmgtasaitemexit, WindowId::frmgtasaitem, Focus::No},
    {WindowId::frmgtasavehicleexit, WindowId::frmgtasavehicle, Focus::Yes},
    {.id = WindowId::frmgta3weaponfinishedexit,
     .caller = WindowId::frmgta3weaponcode,
     .focus = Focus::Yes,
     .yes = "&Yes",
     .no = "&No"},
    {WindowId::frmgta3itemfinishedexit, WindowId::frmgta3itemfinished, Focus::Yes},
    {WindowId::frmgta3vehiclefinishedexit, WindowId::frmgta3vehiclefinished, Focus::No},
    {WindowId::frmgtavcweaponfinishedexit, WindowId::frmgtavcweaponfinished, Focus::No},
    {WindowId::frmgtavcitemfinishedexit, WindowId::frmgtavcitemfinished, Focus::Yes},
    {.id = WindowId::frmgtavcvehiclefinishedexit,
     .caller = WindowId::frmgtavcvehiclefinished,
     .focus = Focus::No,
     .widthTwips = 3180,
     .heightTwips = 945},
    {WindowId::frmgtasaweaponfinishedexit, WindowId::frmgtasaweaponfinished, Focus::Yes},
    {WindowId::frmgtasaitemfinishedexit, WindowId::frmgtasaitemfinished, Focus::Yes},
    {WindowId::frmgtasavehiclefinishedexit, WindowId::frmgtasavehiclefinished, Focus::Yes},
    {WindowId::frmemailexit, WindowId::frmsendemail, Focus::Yes},
};

Window* buildExitDialog(Frame& frame, const ExitDialog& dialog) {
    auto* window = new Window(dialog.id, QStringLiteral("Spawnsmith | Exit?"), dialog.widthTwips,
                              dialog.heightTwips);
    window->setOpensOverAScreen(true);
    auto* label = addLabel(window, "lblexit", "Are You Sure You Want To Exit?",
                           twips(dialog.labelLeftTwips, 120, 2415, 255));
    label->setAlignment(Qt::AlignCenter);
    auto* yes =
        addButton(frame, window, {"cmdyes", dialog.yes, endProgram()}, twips(120, 600, 1215, 315));
    auto* no = addButton(frame, window,
                         {"cmdno", dialog.no, closeDialogTo(dialog.caller), ButtonRole::CloseBox},
                         twips(1920, 600, 1215, 315));
    setTabOrder(window, {yes, no});
    window->setFirstFocus(dialog.focus == Focus::Yes ? yes : no);
    return window;
}

} // namespace

void addExitDialogs(Frame& frame) {
    registerEach(frame, dialogs, buildExitDialog);
}

} // namespace spawnsmith
