#include "wizard/wizard.h"

#include "app/frame.h"
#include "app/lockout/exitdialogs.h"
#include "app/pickscreens.h"
#include "generate/gamescreens.h"
#include "info/composer.h"
#include "info/gamepickmenu.h"
#include "info/textwindows.h"

#include <QGuiApplication>

// The pictures are compiled into the static GUI library; referencing them here keeps the linker
// from dropping them from the programs that link it.
static void loadCompiledInPictures() {
    Q_INIT_RESOURCE(spawnsmith);
}

namespace spawnsmith {

void addAllWindows(Frame& frame) {
    loadCompiledInPictures();
    // Every window shows the program's icon; set once here, it is decoded once.
    QGuiApplication::setWindowIcon(frame.picture(QStringLiteral(":/images/icon.png")));
    addPickScreens(frame, gamePickMenus());
    addExitDialogs(frame);
    addGta3Screens(frame);
    addViceCityScreens(frame);
    addSanAndreasScreens(frame);
    addTextWindows(frame);
    addComposer(frame);
}

} // namespace spawnsmith
