#include "app/pickscreens.h"

#include "app/controls.h"
#include "app/frame.h"
#include "app/layout.h"
#include "app/widgets/commandbutton.h"
#include "app/window.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPixmap>

namespace spawnsmith {
namespace {

Window* buildSplash(Frame& /*frame*/) {
    auto* window = new Window(QStringLiteral("frmgtaccload"), QString(), 4995, 3405);
    // A splash screen to the window system (no task-bar entry), with no frame.
    window->setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    auto* logo = new QLabel(window->client());
    logo->setObjectName(QStringLiteral("imggtacclogo"));
    // Naming a control starts the desktop's accessibility bridge, which connects to the session
    // bus: the logo is named once the splash is on screen, so that it shows first.
    QObject::connect(window, &Window::exposed, logo,
                     [logo] { logo->setAccessibleName(QStringLiteral("Spawnsmith logo")); });
    // The picture includes splash@2x.png on high-DPI screens; asking for the screen's pixel
    // ratio keeps the logo sharp there instead of stretching the 333 x 227 drawing.
    logo->setPixmap(decodePicture(QStringLiteral(":/images/splash.png"))
                        .pixmap(QSize(333, 227), qGuiApp->devicePixelRatio()));
    logo->setScaledContents(true);
    logo->setGeometry(twips(0, 0, 4995, 3405));
    return window;
}

struct GameButton {
    const char* name;
    const char* game;
    const char* logo;
    const char* codePick;
    int leftTwips;
};

constexpr GameButton gameButtons[] = {
    {"cmdgta3", "GTA3", ":/images/gta3.png", "frmgta3codepick", 120},
    {"cmdgtavc", "GTA Vice City", ":/images/gtavc.png", "frmgtavccodepick", 3480},
    {"cmdgtasa", "GTA San Andreas", ":/images/gtasa.png", "frmgtasacodepick", 6840},
};

Window* buildGamePick(Frame& frame, MenuBarContents menus) {
    auto* window = new Window(QStringLiteral("frmgtapick"), QStringLiteral("Spawnsmith | GTA Pick"),
                              10095, 4095);
    window->setMenuBar(buildMenuBar(frame, window, menus));
    std::vector<QWidget*> tabOrder;
    for (const GameButton& game : gameButtons) {
        auto* button = addButton(frame, window, {game.name, "", navigateTo(game.codePick)},
                                 twips(game.leftTwips, 120, 3135, 3135));
        button->setIcon(frame.picture(QLatin1String(game.logo)));
        button->setIconSize(QSize(200, 200));
        button->setAccessibleName(QLatin1String(game.game));
        button->setToolTip(QLatin1String(game.game));
        tabOrder.push_back(button);
    }
    auto* exit = addButton(frame, window, {"cmdexit", "Exit", openDialog("frmgtagpexit")},
                           twips(120, 3480, 9855, 495));
    tabOrder.push_back(exit);
    setTabOrder(window, tabOrder);
    window->setCloseBoxButton(exit);
    return window;
}

// A code-pick screen: five buttons in one column, top to bottom (also the tab order).
struct CodePickScreen {
    const char* name;
    const char* caption;
    Button buttons[5];
};

const CodePickScreen codePicks[] = {
    {"frmgta3codepick",
     "Spawnsmith | GTA3 Code Pick",
     {{"cmdgta3weapon", "Create Weapon Spawn Point", navigateTo("frmgta3weapon")},
      {"cmdgta3item", "Create Item Spawn Point", navigateTo("frmgta3item")},
      {"cmdgta3vehicle", "Create Vehicle Spawn Point", openDialog("frm3notavailable")},
      {"cmdgta3cpback", "Back To GTA Pick", navigateTo("frmgtapick")},
      {"cmdgta3cpexit", "Exit", openDialog("frmgta3cpexit")}}},
    {"frmgtavccodepick",
     "Spawnsmith | GTA VC Code Pick",
     {{"cmdgtavcweapon", "Create Weapon Spawn Point", navigateTo("frmgtavcweapon")},
      {"cmdgtavcitem", "Create Item Spawn Point", navigateTo("frmgtavcitem")},
      {"cmdgtavcvehicle", "Create Vehicle Spawn Point", openDialog("frmvcnotavailable")},
      {"cmdgtavcback", "Back To GTA Pick", navigateTo("frmgtapick")},
      {"cmdexit", "Exit", openDialog("frmgtavccpexit")}}},
    {"frmgtasacodepick",
     "Spawnsmith | GTA SA Code Pick",
     {{"cmdgtasaweapon", "Create Weapon Spawn Point", navigateTo("frmgtasaweapon")},
      {"cmdgtasaitem", "Create Item Spawn Point", navigateTo("frmgtasaitem")},
      {"cmdgtasavehicle", "Create Vehicle Spawn Point", openDialog("frmsanotavailable")},
      {"cmdbacktogtapick", "Back To GTA Pick", navigateTo("frmgtapick")},
      {"cmdexit", "Exit", openDialog("frmgtasacpexit")}}},
};

Window* buildCodePick(Frame& frame, const CodePickScreen& screen) {
    auto* window =
        new Window(QLatin1String(screen.name), QLatin1String(screen.caption), 4260, 3630);
    const int left = (4260 - 2775) / 2;
    std::vector<QWidget*> tabOrder;
    CommandButton* last = nullptr;
    int top = 120;
    for (const Button& entry : screen.buttons) {
        last = addButton(frame, window, entry, twips(left, top, 2775, 495));
        tabOrder.push_back(last);
        top += 720;
    }
    setTabOrder(window, tabOrder);
    window->setCloseBoxButton(last); // "Exit"
    return window;
}

} // namespace

void addPickScreens(Frame& frame, MenuBarContents gamePickMenus) {
    frame.registerWindow(QStringLiteral("frmgtaccload"), buildSplash);
    frame.registerWindow(QStringLiteral("frmgtapick"),
                         [gamePickMenus](Frame& f) { return buildGamePick(f, gamePickMenus); });
    registerEach(frame, codePicks, buildCodePick);
}

} // namespace spawnsmith
