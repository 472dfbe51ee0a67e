#include "info/info.h"

#include "app/frame.h"
#include "app/window.h"
#include "app/windowparts.h"

#include <QMenuBar>

namespace spawnsmith {
namespace {

struct NotAvailable {
    const char* name;
    const char* owner;
};

constexpr NotAvailable notAvailableWindows[] = {
    {"frm3notavailable", "frmgta3codepick"},
    {"frmvcnotavailable", "frmgtavccodepick"},
    {"frmsanotavailable", "frmgtasacodepick"},
};

Window* buildNotAvailable(Frame& frame, const NotAvailable& spec) {
    auto* window = new Window(QLatin1String(spec.name),
                              QStringLiteral("Spawnsmith | Function Not Available"), 4695, 1830);
    addLabel(window, "lblnotava", QStringLiteral("Sorry This Function Is Not Yet Available."),
             twips(120, 120, 4455, 255))
        ->setAlignment(Qt::AlignCenter);
    addLabel(window, "lblreason",
             QStringLiteral("Due to a snag in the development of this program this feature has "
                            "been disabled for this version."),
             twips(120, 420, 4455, 495))
        ->setAlignment(Qt::AlignCenter);
    addLabel(window, "lbllater", QStringLiteral("I will get it fixed for future versions."),
             twips(120, 960, 4455, 255))
        ->setAlignment(Qt::AlignCenter);
    auto* close =
        addButton(frame, window, {"cmdclosewindow", "Close This Window", closeDialogTo(spec.owner)},
                  twips(120, 1320, 4455, 390));
    window->setFirstFocus(close);
    window->setCloseBoxButton(close);
    return window;
}

} // namespace

void addInfoWindows(Frame& frame) {
    for (const NotAvailable& spec : notAvailableWindows)
        frame.registerWindow(QLatin1String(spec.name),
                             [&spec](Frame& f) { return buildNotAvailable(f, spec); });
}

QMenuBar* buildGamePickMenuBar(Frame&, Window* gamePick) {
    auto* bar = new QMenuBar(gamePick);
    bar->setObjectName(QStringLiteral("menubar"));
    for (const char* name : {"mnuabout", "mnuthanks", "mnucontact", "mnuweb"}) {
        auto* menu = bar->addMenu(QLatin1String(name));
        menu->setObjectName(QLatin1String(name));
    }
    return bar;
}

} // namespace spawnsmith
