#include "wizard/wizard.h"

#include "app/accessibility.h"
#include "app/frame.h"
#include "app/lockout/exitdialogs.h"
#include "app/pickscreens.h"
#include "app/startup.h"
#include "generate/gamescreens.h"
#include "info/composer.h"
#include "info/gamepickmenu.h"
#include "info/textwindows.h"

// The pictures are compiled into the static GUI library; referencing them here keeps the linker
// from dropping them from the programs that link it.
static void loadCompiledInPictures() {
    Q_INIT_RESOURCE(spawnsmith);
}

namespace spawnsmith {

void registerAllWindows(Frame& frame) {
    loadCompiledInPictures();
    installAccessibility();
    addPickScreens(frame, gamePickMenus());
    addExitDialogs(frame);
    addGta3Screens(frame);
    addViceCityScreens(frame);
    addSanAndreasScreens(frame);
    addTextWindows(frame);
    addComposer(frame);
    frame.checkRegistration();
}

void addAllWindows(Frame& frame) {
    registerAllWindows(frame);
    setProgramIcon(frame);
}

} // namespace spawnsmith
