// Walks the wizard's windows the way a user would and saves a picture of each kind of screen.
// Usage: spawnsmith_screenshots FOLDER          the pictures for the documentation
//        spawnsmith_screenshots FOLDER --all    every window once, alone, named after it
// It needs a real X display with a window manager, so that captions and frames show;
// tools/screenshots.sh provides one with Xvfb, openbox and fixed fonts. It ends with status 1
// when a window did not settle on screen or a control it meant to use is missing, and with 2
// when the program's font is not the one the pictures are made with.

#include "app/frame.h"
#include "app/widgets/listbox.h"
#include "app/window.h"
#include "core/codepage.h"
#include "platform/desktopplatform.h"
#include "platform/steadyclock.h"
#include "wizard/wizard.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QDir>
#include <QFontInfo>
#include <QImage>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

using namespace spawnsmith;

namespace {

// Nothing leaves the program while it is photographed: no browser, no mail, no exit.
class QuietPlatform final : public Platform {
public:
    double now() override { return steadyClockSeconds(); }
    void endProgram() override {}
    const CodePage& ansiCodePage() override { return windows1252(); }
    bool programExists(const QString&) override { return false; }
    void startBrowser(const QString&, const QString&) override {}
    void clearWindowName(quintptr window) override { m_desktop.clearWindowName(window); }
    void openUrl(const QByteArray&, quintptr) override {}

private:
    DesktopPlatform m_desktop; // the window system's part, as the program does it
};

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T> Reply<T> reply(T* pointer) {
    return Reply<T>(pointer, &std::free);
}

// Where the X server itself has a window: its client area's place on the root window, and its
// frame, the client area grown by the frame the window manager reports in _NET_FRAME_EXTENTS.
struct ServerPlace {
    QRect client;
    QRect frame;
};

// The window's place as the X server has it; nothing while the window is not viewable, or, for
// a framed window, before the window manager has framed it. (Qt's own idea of a window's frame
// is not enough: Qt takes the place it asked for until the window manager's answer arrives, and
// reads the frame's extents only now and then, so that its frame geometry can lag behind the
// screen's or miss the frame altogether.)
std::optional<ServerPlace> serverPlace(const Window& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !window.windowHandle())
        return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    static const xcb_atom_t frameExtents = [connection] {
        const char name[] = "_NET_FRAME_EXTENTS";
        const auto atom = reply(xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr));
        return atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
    }();

    const auto attributes = reply(xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, id), nullptr));
    const auto geometry =
        reply(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr));
    if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE || !geometry)
        return std::nullopt;
    const auto place = reply(xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, id, geometry->root, 0, 0), nullptr));
    if (!place)
        return std::nullopt;
    const QRect client(place->dst_x, place->dst_y, geometry->width, geometry->height);

    if (window.windowFlags() & Qt::FramelessWindowHint)
        return ServerPlace{client, client};
    const auto extents = reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, id, frameExtents, XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (!extents || xcb_get_property_value_length(extents.get()) != 4 * sizeof(std::uint32_t))
        return std::nullopt;
    const auto* sides = static_cast<const std::uint32_t*>(xcb_get_property_value(extents.get()));
    if (sides[2] == 0) // no title bar yet
        return std::nullopt;
    return ServerPlace{client, client.marginsAdded(QMargins(int(sides[0]), int(sides[2]),
                                                            int(sides[1]), int(sides[3])))};
}

// The window that the window manager has made the active one, as it tells the X server in
// the root window's _NET_ACTIVE_WINDOW; none before it has.
xcb_window_t serverActiveWindow() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return XCB_WINDOW_NONE;
    xcb_connection_t* connection = x11->connection();
    static const xcb_atom_t activeWindow = [connection] {
        const char name[] = "_NET_ACTIVE_WINDOW";
        const auto atom = reply(xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr));
        return atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
    }();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const auto property = reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, activeWindow, XCB_ATOM_WINDOW, 0, 1),
        nullptr));
    if (!property || xcb_get_property_value_length(property.get()) != sizeof(xcb_window_t))
        return XCB_WINDOW_NONE;
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(property.get()));
}

class Photographer {
public:
    Photographer(Frame& frame, const QString& folder) : m_frame(frame), m_folder(folder) {}

    // Whether everything went as planned: every window settled, every control was found.
    bool succeeded() const { return m_succeeded; }

    // Waits until the wizard's windows on screen are as the window manager leaves them, and
    // keeps their picture. A window is shown by Qt at once, but the window manager maps and
    // frames it a little later, and the frame then centres it once more (with the window
    // manager's frame now known); a picture taken in between shows it without its title bar,
    // or half moved. So the wait is for conditions, not for a time: the X server reports every
    // visible window viewable, framed (unless frameless) and where Qt placed it last; the
    // window in front has the program's focus and is the window manager's active one (its
    // title bar drawn as such); the frames have kept their places over several looks; and
    // finally two grabs of their area in a row are the same, so that every paint (the
    // program's and the window manager's) has reached the screen.
    void settle() {
        constexpr int look = 40;        // ms between two looks
        constexpr int steadyLooks = 3;  // looks the frames must keep their places over
        QDeadlineTimer deadline(10000); // ample even on a loaded machine
        QList<QRect> previousFrames;
        int steady = 0;
        QImage previousPicture;
        while (!deadline.hasExpired()) {
            QTest::qWait(look);
            const std::optional<QList<QRect>> frames = settledFrames();
            if (!frames || *frames != previousFrames) {
                previousFrames = frames.value_or(QList<QRect>());
                steady = 0;
                previousPicture = QImage();
                continue;
            }
            if (++steady < steadyLooks)
                continue;
            QImage picture = grab(*frames);
            if (!picture.isNull() && picture == previousPicture) {
                m_picture = picture;
                return;
            }
            previousPicture = std::move(picture);
        }
        std::fprintf(stderr, "the windows %s did not settle on screen within 10 s:\n%s\n",
                     qPrintable(visibleNames().join(QStringLiteral(", "))),
                     qPrintable(placesReport()));
        m_succeeded = false;
        m_picture = grab(previousFrames);
    }

    void show(const QString& window) {
        if (const std::optional<WindowId> id = windowIdFromName(window))
            m_frame.show(*id);
        settle();
    }
    void click(const QString& window, const char* button) {
        if (auto* target = find<QAbstractButton>(window, button)) {
            QTest::mouseClick(target, Qt::LeftButton);
            settle();
        }
    }
    void type(const QString& window, const char* box, const QString& text) {
        if (auto* target = find<QLineEdit>(window, box)) {
            target->setFocus();
            QTest::keyClicks(target, text);
        }
    }
    void select(const QString& window, int row) {
        if (auto* list = find<ListBox>(window, nullptr)) {
            list->setFocus();
            list->setCurrentRow(row);
            list->scrollToItem(list->currentItem());
        }
    }
    // Chooses a menu entry of a window's menu bar; returns the window it opened, if any.
    QString choose(const QString& window, const char* entry) {
        const QStringList before = m_frame.loadedWindows();
        if (auto* action = find<QAction>(window, entry))
            action->trigger();
        settle();
        for (const QString& name : m_frame.loadedWindows())
            if (!before.contains(name))
                return name;
        return {};
    }
    // Fills every empty input box of a window with something of the length it takes.
    void fillInputs(const QString& window) {
        for (auto* box : m_frame.window(window)->findChildren<QLineEdit*>()) {
            if (!box->text().isEmpty() || box->isReadOnly() || !box->isEnabled())
                continue;
            const int limit = box->maxLength();
            box->setText(limit <= 3   ? QStringLiteral("100").left(limit)
                         : limit <= 7 ? QStringLiteral("-1234.5").left(limit)
                                      : QStringLiteral("spawn1"));
        }
    }
    // Closes a dialog by its own "No" or "Close This Window" button.
    void close(const QString& dialog) {
        for (const char* button : {"cmdno", "cmdclosewindow", "cmdclosethiswindow"}) {
            if (auto* target = m_frame.window(dialog)->findChild<QAbstractButton*>(button)) {
                QTest::mouseClick(target, Qt::LeftButton);
                settle();
                return;
            }
        }
        if (const std::optional<WindowId> id = windowIdFromName(dialog))
            m_frame.unload(*id);
        settle();
    }
    // Saves the picture of the screen area that holds every visible window, frames included,
    // as it was when the windows last settled.
    void shoot(const QString& file) {
        const QString path = m_folder.filePath(file + QStringLiteral(".png"));
        if (m_picture.isNull() || !m_picture.save(path)) {
            std::fprintf(stderr, "could not save %s\n", qPrintable(path));
            m_succeeded = false;
        } else {
            std::printf("%s\n", qPrintable(path));
        }
    }

private:
    template <typename T> T* find(const QString& window, const char* name) {
        Window* w = m_frame.loaded(window);
        T* found = w ? w->findChild<T*>(name ? QLatin1String(name) : QString()) : nullptr;
        if (!found) {
            std::fprintf(stderr, "missing: %s.%s\n", qPrintable(window), name ? name : "list");
            m_succeeded = false;
        }
        return found;
    }

    QList<Window*> visibleWindows() const {
        QList<Window*> windows;
        for (const QString& name : m_frame.loadedWindows())
            if (Window* window = m_frame.loaded(name); window && window->isVisible())
                windows.append(window);
        return windows;
    }
    QStringList visibleNames() const {
        QStringList names;
        for (const Window* window : visibleWindows())
            names.append(window->objectName());
        return names;
    }
    static bool framed(const Window* window) {
        return !(window->windowFlags() & Qt::FramelessWindowHint);
    }
    // The window that should be the active one: a dialog over a screen if one is open, else
    // the screen; none for the frameless splash.
    const Window* expectedActive() const {
        const Window* active = nullptr;
        for (const Window* window : visibleWindows())
            if (framed(window) && (!active || window->opensOverAScreen()))
                active = window;
        return active;
    }
    // The frames of the visible windows as the X server has them, once every one is on screen
    // where Qt placed it last (its client area where Qt's geometry says), framed, and the one
    // in front has the focus; nothing before.
    std::optional<QList<QRect>> settledFrames() const {
        const QList<Window*> windows = visibleWindows();
        if (windows.isEmpty())
            return std::nullopt;
        QList<QRect> frames;
        for (const Window* window : windows) {
            const std::optional<ServerPlace> place = serverPlace(*window);
            if (!place || place->client != window->geometry())
                return std::nullopt;
            frames.append(place->frame);
        }
        // Both the program and the window manager must have taken in the focus change: the one
        // draws the focused control, the other the active title bar.
        const Window* active = expectedActive();
        if (active && (QGuiApplication::focusWindow() != active->windowHandle() ||
                       serverActiveWindow() != xcb_window_t(active->winId())))
            return std::nullopt;
        return frames;
    }
    // What settledFrames() waits for, window by window, for the message when it waits in vain.
    QString placesReport() const {
        QStringList lines;
        const auto rect = [](const QRect& r) {
            return QStringLiteral("%1,%2 %3x%4")
                .arg(r.x())
                .arg(r.y())
                .arg(r.width())
                .arg(r.height());
        };
        for (const Window* window : visibleWindows()) {
            const std::optional<ServerPlace> place = serverPlace(*window);
            lines.append(QStringLiteral("  %1: X server %2, Qt %3")
                             .arg(window->objectName(),
                                  place ? QStringLiteral("client %1, frame %2")
                                              .arg(rect(place->client), rect(place->frame))
                                        : QStringLiteral("not viewable or not framed"),
                                  rect(window->geometry())));
        }
        const QWindow* focus = QGuiApplication::focusWindow();
        lines.append(QStringLiteral("  focus: %1; active on the X server: 0x%2")
                         .arg(focus ? focus->objectName() : QStringLiteral("none"))
                         .arg(serverActiveWindow(), 0, 16));
        return lines.join(QLatin1Char('\n'));
    }
    static QRect united(const QList<QRect>& frames) {
        QRect area;
        for (const QRect& frame : frames)
            area |= frame;
        return area;
    }
    // The screen's picture of the windows' frames: the smallest rectangle that holds them (as
    // far as they are on the screen), in which what lies outside every frame (the bare screen
    // beside a dialog that is wider or taller than the screen under it) is transparent. A
    // picture that one frame fills has no transparency, and is kept without an alpha channel.
    static QImage grab(const QList<QRect>& frames) {
        QScreen* screen = QGuiApplication::primaryScreen();
        const QRect area = united(frames) & screen->geometry();
        if (area.isEmpty())
            return {};
        const QImage shot = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                                .toImage()
                                .convertToFormat(QImage::Format_ARGB32);
        if (shot.size() != area.size())
            return {};
        QImage picture(area.size(), QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        bool filled = false;
        for (const QRect& frame : frames) {
            const QRect visible = frame & area;
            filled = filled || visible == area;
            const QRect inside = visible.translated(-area.topLeft());
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                std::copy_n(reinterpret_cast<const QRgb*>(shot.constScanLine(y)) + inside.left(),
                            inside.width(),
                            reinterpret_cast<QRgb*>(picture.scanLine(y)) + inside.left());
        }
        return filled ? picture.convertToFormat(QImage::Format_RGB32) : picture;
    }

    Frame& m_frame;
    QDir m_folder;
    QImage m_picture; // the settled screen, as the next shoot() saves it
    bool m_succeeded = true;
};

// The documentation's tour: one picture of each kind of screen, in the order a user meets them.
void tour(Frame& frame, Photographer& camera) {
    camera.show("frmgtaccload");
    camera.shoot("01-splash");
    frame.unload(WindowId::frmgtaccload);

    camera.show("frmgtapick");
    camera.shoot("02-game-pick");
    camera.click("frmgtapick", "cmdgta3");
    camera.shoot("03-code-pick");

    camera.click("frmgta3codepick", "cmdgta3weapon");
    camera.select("frmgta3weapon", 6);
    camera.type("frmgta3weapon", "txtgta3weaponname", "rocket");
    camera.type("frmgta3weapon", "txtgta3weaponammo", "10");
    camera.type("frmgta3weapon", "txtgta3weaponx", "1043.5");
    camera.type("frmgta3weapon", "txtgta3weapony", "-933.2");
    camera.type("frmgta3weapon", "txtgta3weaponz", "14.9");
    camera.settle();
    camera.shoot("04-creator");

    camera.click("frmgta3weapon", "cmdexit");
    camera.shoot("06-exit-dialog");
    camera.close("frmgta3weaponexit");

    camera.click("frmgta3weapon", "cmdgta3weapongeneratecode");
    camera.shoot("05-result");

    camera.click("frmgta3weaponcode", "cmdgta3codepickback");
    camera.click("frmgta3codepick", "cmdgta3vehicle");
    camera.shoot("07-not-available");
    camera.close("frm3notavailable");
    camera.click("frmgta3codepick", "cmdgta3cpback");

    // The menu bar's windows, as far as they exist.
    const struct {
        const char* entry;
        const char* file;
    } menuWindows[] = {
        {"mnuprogram", "08-about-program"},
        {"mnuversion", "09-about-version"},
        {"mnucopyright", "10-about-copyright"},
        {"mnuthanks2", "11-thanks"},
        {"mnuemail", "12-composer"},
    };
    for (const auto& menuWindow : menuWindows) {
        const QString opened = camera.choose("frmgtapick", menuWindow.entry);
        if (opened.isEmpty())
            continue;
        camera.shoot(QLatin1String(menuWindow.file));
        camera.close(opened);
    }
}

// Every window on its own, freshly loaded; creators get a row and all their boxes filled.
void everyWindow(Frame& frame, Photographer& camera) {
    for (const WindowId id : frame.registeredWindows()) {
        const QString name = objectNameOf(id);
        camera.show(name);
        if (frame.window(name)->findChild<ListBox*>()) {
            camera.select(name, 0);
            camera.fillInputs(name);
            camera.settle();
        }
        camera.shoot(name);
        frame.unload(id);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Spawnsmith"));
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [--all]\n", argv[0]);
        return 2;
    }
    // The pictures are made in DejaVu Sans (tools/screenshots.sh gives the program a font
    // configuration that has nothing else); in any other font every picture would differ.
    const QString family = QFontInfo(QApplication::font()).family();
    if (family != QLatin1String("DejaVu Sans")) {
        std::fprintf(stderr,
                     "the program's font is %s, not DejaVu Sans; run tools/screenshots.sh\n",
                     qPrintable(family));
        return 2;
    }
    // The text cursor stays on instead of blinking, so that a picture does not depend on the
    // moment it was taken; the pointer rests in the screen's corner, away from every window,
    // so that no control is drawn as hovered.
    QApplication::setCursorFlashTime(0);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        QCursor::setPos(screen, screen->geometry().bottomRight());
    QDir().mkpath(arguments.at(1));
    QuietPlatform platform;
    Frame frame(platform);
    addAllWindows(frame);
    Photographer camera(frame, arguments.at(1));
    if (arguments.contains(QStringLiteral("--all")))
        everyWindow(frame, camera);
    else
        tour(frame, camera);
    frame.unloadAll();
    return camera.succeeded() ? 0 : 1;
}
