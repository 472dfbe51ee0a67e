// Walks the wizard's windows the way a user would and saves a picture of each kind of screen.
// Usage: spawnsmith_screenshots FOLDER          the pictures for the documentation
//        spawnsmith_screenshots FOLDER --all    every window once, alone, named after it
// It needs a real X display with a window manager, so that captions and frames show;
// tools/screenshots.sh provides one with Xvfb.

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
#include <QDir>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include <cstdio>

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

class Photographer {
public:
    Photographer(Frame& frame, const QString& folder) : m_frame(frame), m_folder(folder) {}

    // Gives the window manager time to map and decorate what was just shown.
    static void settle() { QTest::qWait(400); }

    void show(const QString& window) {
        m_frame.show(window);
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
        m_frame.unload(dialog);
        settle();
    }
    // Saves the screen area that holds every loaded window, frames included.
    void shoot(const QString& file) {
        QRect area;
        for (const QString& name : m_frame.loadedWindows())
            if (Window* window = m_frame.loaded(name); window && window->isVisible())
                area |= window->frameGeometry();
        const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(
            0, area.x(), area.y(), area.width(), area.height());
        const QString path = m_folder.filePath(file + QStringLiteral(".png"));
        if (!picture.save(path))
            std::fprintf(stderr, "could not save %s\n", qPrintable(path));
        else
            std::printf("%s\n", qPrintable(path));
    }

private:
    template <typename T> T* find(const QString& window, const char* name) {
        Window* w = m_frame.loaded(window);
        T* found = w ? w->findChild<T*>(name ? QLatin1String(name) : QString()) : nullptr;
        if (!found)
            std::fprintf(stderr, "missing: %s.%s\n", qPrintable(window), name ? name : "list");
        return found;
    }

    Frame& m_frame;
    QDir m_folder;
};

// The documentation's tour: one picture of each kind of screen, in the order a user meets them.
void tour(Frame& frame, Photographer& camera) {
    camera.show("frmgtaccload");
    camera.shoot("01-splash");
    frame.unload("frmgtaccload");

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
    Photographer::settle();
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
    for (const QString& name : frame.registeredWindows()) {
        camera.show(name);
        if (frame.window(name)->findChild<ListBox*>()) {
            camera.select(name, 0);
            camera.fillInputs(name);
            Photographer::settle();
        }
        camera.shoot(name);
        frame.unload(name);
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
    return 0;
}
