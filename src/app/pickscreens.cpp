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
    auto* window = new Window(WindowId::frmgtaccload, QString(), 4995, 3405);
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
    WindowId codePick;
    int leftTwips;
};

constexpr GameButton gameButtons[] = {
    {.name = "cmdgta3",
     .game = "GTA3",
     .logo = ":/images/gta3.png",
     .codePick = WindowId::frmgta3codepick,
     .leftTwips = 120},
    {.name = "cmdgtavc",
     .game = "GTA Vice City",
     .logo = ":/images/gtavc.png",
     .codePick = WindowId::frmgtavccodepick,
     .leftTwips = 3480},
    {.name = "cmdgtasa",
     .game = "GTA San Andreas",
     .logo = ":/images/gtasa.png",
     .codePick = WindowId::frmgtasacodepick,
     .leftTwips = 6840},
};

Window* buildGamePick(Frame& frame, MenuBarContents menus) {
    auto* window =
        new Window(WindowId::frmgtapick, QStringLiteral("Spawnsmith | GTA Pick"), 10095, 4095);
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
    tabOrder.push_back(
        addButton(frame, window,
                  {"cmdexit", "Exit", openDialog(WindowId::frmgtagpexit), ButtonRole::CloseBox},
                  twips(120, 3480, 9855, 495)));
    setTabOrder(window, tabOrder);
    return window;
}

// A code-pick screen: five buttons in one column, top to bottom (also the tab order).
struct CodePickScreen {
    WindowId id;
    const char* caption;
    Button buttons[5];
};

// "Create Vehicle Spawn Point" opens the game's not-available window: the vehicle creator screens
// are built and registered (their result screens lead back to them) but no button leads there.
const CodePickScreen codePicks[] = {
    {WindowId::frmgta3codepick,
     "Spawnsmith | GTA3 Code Pick",
     {{"cmdgta3weapon", "Create Weapon Spawn Point", navigateTo(WindowId::frmgta3weapon)},
      {"cmdgta3item", "Create Item Spawn Point", navigateTo(WindowId::frmgta3item)},
      {"cmdgta3vehicle", "Create Vehicle Spawn Point", openDialog(WindowId::frm3notavailable)},
      {"cmdgta3cpback", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
      {"cmdgta3cpexit", "Exit", openDialog(WindowId::frmgta3cpexit), ButtonRole::CloseBox}}},
    {WindowId::frmgtavccodepick,
     "Spawnsmith | GTA VC Code Pick",
     {{"cmdgtavcweapon", "Create Weapon Spawn Point", navigateTo(WindowId::frmgtavcweapon)},
      {"cmdgtavcitem", "Create Item Spawn Point", navigateTo(WindowId::frmgtavcitem)},
      {"cmdgtavcvehicle", "Create Vehicle Spawn Point", openDialog(WindowId::frmvcnotavailable)},
      {"cmdgtavcback", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
      {"cmdexit", "Exit", openDialog(WindowId::frmgtavccpexit), ButtonRole::CloseBox}}},
    {WindowId::frmgtasacodepick,
     "Spawnsmith | GTA SA Code Pick",
     {{"cmdgtasaweapon", "Create Weapon Spawn Point", navigateTo(WindowId::frmgtasaweapon)},
      {"cmdgtasaitem", "Create Item Spawn Point", navigateTo(WindowId::frmgtasaitem)},
      {"cmdgtasavehicle", "Create Vehicle Spawn Point", openDialog(WindowId::frmsanotavailable)},
      {"cmdbacktogtapick", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
      {"cmdexit", "Exit", openDialog(WindowId::frmgtasacpexit), ButtonRole::CloseBox}}},
};

Window* buildCodePick(Frame& frame, const CodePickScreen& screen) {
    auto* window = new Window(screen.id, QLatin1String(screen.caption), 4260, 3630);
    const int left = (4260 - 2775) / 2;
    std::vector<QWidget*> tabOrder;
    int top = 120;
    for (const Button& entry : screen.buttons) {
        tabOrder.push_back(addButton(frame, window, entry, twips(left, top, 2775, 495)));
        top += 720;
    }
    setTabOrder(window, tabOrder);
    return window;
}

} // namespace

void addPickScreens(Frame& frame, MenuBarContents gamePickMenus) {
    frame.registerWindow(WindowId::frmgtaccload, buildSplash);
    frame.registerWindow(WindowId::frmgtapick,
                         [gamePickMenus](Frame& f) { return buildGamePick(f, gamePickMenus); });
    registerEach(frame, codePicks, buildCodePick);
}

} // namespace spawnsmith
