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
    const char* name;
    const char* caller; // the window whose lock-out set "No" enables again
    Focus focus;
    int widthTwips = 3210;
    int heightTwips = 975;
    int labelLeftTwips = 435;
    const char* yes = "Yes";
    const char* no = "No";
};

constexpr ExitDialog dialogs[] = {
    {"frmgtagpexit", "frmgtapick", Focus::Yes, 3240, 975, 428},
    {"frmgta3cpexit", "frmgta3codepick", Focus::No},
    {"frmgtavccpexit", "frmgtavccodepick", Focus::No},
    {"frmgtasacpexit", "frmgtasacodepick", Focus::No},
    {"frmgta3weaponexit", "frmgta3weapon", Focus::No},
    {"frmgta3itemexit", "frmgta3item", Focus::Yes},
    {"frmgta3vehicleexit", "frmgta3vehicle", Focus::Yes},
    {"frmgtavcweaponexit", "frmgtavcweapon", Focus::Yes, 3180, 945},
    {"frmgtavcitemexit", "frmgtavcitem", Focus::Yes},
    {"frmgtavcvehicleexit", "frmgtavcvehicle", Focus::No},
    {"frmgtasaweaponexit", "frmgtasaweapon", Focus::No},
    {"frmgtasaitemexit", "frmgtasaitem", Focus::No},
    {"frmgtasavehicleexit", "frmgtasavehicle", Focus::Yes},
    {"frmgta3weaponfinishedexit", "frmgta3weaponcode", Focus::Yes, 3210, 975, 435, "&Yes", "&No"},
    {"frmgta3itemfinishedexit", "frmgta3itemfinished", Focus::Yes},
    {"frmgta3vehiclefinishedexit", "frmgta3vehiclefinished", Focus::No},
    {"frmgtavcweaponfinishedexit", "frmgtavcweaponfinished", Focus::No},
    {"frmgtavcitemfinishedexit", "frmgtavcitemfinished", Focus::Yes},
    {"frmgtavcvehiclefinishedexit", "frmgtavcvehiclefinished", Focus::No, 3180, 945},
    {"frmgtasaweaponfinishedexit", "frmgtasaweaponfinished", Focus::Yes},
    {"frmgtasaitemfinishedexit", "frmgtasaitemfinished", Focus::Yes},
    {"frmgtasavehiclefinishedexit", "frmgtasavehiclefinished", Focus::Yes},
    {"frmemailexit", "frmsendemail", Focus::Yes},
};

Window* buildExitDialog(Frame& frame, const ExitDialog& dialog) {
    auto* window = new Window(QLatin1String(dialog.name), QStringLiteral("Spawnsmith | Exit?"),
                              dialog.widthTwips, dialog.heightTwips);
    window->setOpensOverAScreen(true);
    auto* label = addLabel(window, "lblexit", "Are You Sure You Want To Exit?",
                           twips(dialog.labelLeftTwips, 120, 2415, 255));
    label->setAlignment(Qt::AlignCenter);
    auto* yes =
        addButton(frame, window, {"cmdyes", dialog.yes, endProgram()}, twips(120, 600, 1215, 315));
    auto* no = addButton(frame, window, {"cmdno", dialog.no, closeDialogTo(dialog.caller)},
                         twips(1920, 600, 1215, 315));
    setTabOrder(window, {yes, no});
    window->setFirstFocus(dialog.focus == Focus::Yes ? yes : no);
    window->setCloseBoxButton(no);
    return window;
}

} // namespace

void addExitDialogs(Frame& frame) {
    registerEach(frame, dialogs, buildExitDialog);
}

} // namespace spawnsmith
