#pragma once

#include "app/action.h"

#include <QHash>
#include <QIcon>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

namespace spawnsmith {

class InputGuard;
class Platform;
class Window;

// Decodes a compiled-in PNG picture and, on a high-density screen, its @2x drawing, as
// QIcon(path) would, but with Qt's built-in PNG reader alone: QIcon's own loading first asks
// every image-format plugin whether it can read the file, which loads all of them (and their
// libraries), a few milliseconds before the splash can show.
QIcon decodePicture(const QString& path);

// Builds one window afresh, in its state at loading.
using WindowBuilder = std::function<Window*(Frame&)>;

// The frame holds the single instance of every window, addressed by its WindowId, and offers the
// operations every button is made of: show, unload, navigate, open and close a dialog, end.
class Frame : public QObject {
    Q_OBJECT
public:
    explicit Frame(Platform& platform);
    ~Frame() override;

    Platform& platform() const { return m_platform; }

    // Registers how a window is built. Every window is registered exactly once, which
    // checkRegistration() confirms once all are.
    void registerWindow(WindowId id, WindowBuilder builder);
    std::vector<WindowId> registeredWindows() const;
    // What keeps the registered windows from being the whole wizard, one line per window: a
    // window without a builder, or with more than one. Empty when every window has one.
    QStringList registrationProblems() const;
    // Ends the program, naming the windows on standard error, unless every window has exactly
    // one builder. Every table refers to windows by WindowId, so this also proves that every
    // button's target, every lock-out set and every exit dialog's caller is a window the frame
    // can build: a press can never name a window that is not there.
    void checkRegistration() const;

    // The loaded instance, loading it (not shown) if need be; nullptr for a window that is not
    // registered.
    Window* window(WindowId id);
    // The loaded instance, or nullptr.
    Window* loaded(WindowId id) const;
    // The same, by objectName (for tests that read window names from data); nullptr for a name
    // that is no window's.
    Window* window(QAnyStringView name);
    Window* loaded(QAnyStringView name) const;
    // The objectNames of the loaded windows, sorted.
    QStringList loadedWindows() const;

    // Shows a window in front, loading it first (centred on the screen) if need be.
    void show(WindowId id);
    void unload(WindowId id);
    // Shows `to`, then unloads `from`; `from` stays if `to` could not be shown.
    void navigate(WindowId from, WindowId to);
    // Locks the window `over` and shows the dialog. Once the dialog closes, the focus goes back
    // to `opener` (the button that opened it), or to the window itself when there is none (a
    // menu entry opened it). While the dialog is open, activating `over` brings the dialog back to
    // the front. Nothing is locked if the dialog cannot be built.
    void openDialog(WindowId over, WindowId dialog, QWidget* opener = nullptr);
    // Unlocks `owner`, unloads the dialog and gives the focus back to what opened it.
    void closeDialog(WindowId dialog, WindowId owner);
    void endProgram();

    // Disables or enables a window's lock-out set, in the set's order.
    void lock(WindowId id);
    void unlock(WindowId id);

    // Carries out a button's action on behalf of the window that holds the button; `origin` is
    // the button, or nullptr for a menu entry.
    void perform(WindowId window, const Action& action, QWidget* origin = nullptr);

    // A compiled-in picture, decoded once and shared by every window that shows it.
    const QIcon& picture(const QString& path);

    // Unloads every window (tests start each case from nothing).
    void unloadAll();

signals:
    // The objectName of the window loaded or unloaded.
    void windowLoaded(const QString& name);
    void windowUnloaded(const QString& name);

private:
    void place(Window* window, const QMargins& frameMargins);
    void placeAgainOnceFramed(Window* window, const QMargins& assumed);
    void bringDialogsToFront(WindowId window);

    Platform& m_platform;
    InputGuard* m_inputGuard;
    std::array<WindowBuilder, windowCount> m_builders;
    std::array<int, windowCount> m_registrations = {}; // how often each window was registered
    QHash<WindowId, QPointer<Window>> m_loaded;
    QHash<QString, QIcon> m_pictures;
    QHash<WindowId, WindowId> m_dialogOver;          // a locked window -> the dialog over it
    QHash<WindowId, QPointer<QWidget>> m_focusAfter; // a dialog -> what gets the focus after it
    QMargins m_frameMargins; // the window manager's frame, as seen on the last framed window
};

// Where a window's frame goes so that the whole window is centred in the screen's available
// area, but with its title bar and left edge never outside it (a window larger than the screen
// starts at the area's top left).
QPoint centredPosition(const QSize& frameSize, const QRect& available);

// Registers one window per row of a table of window descriptions, each built from its row.
template <typename Table, typename Build>
void registerEach(Frame& frame, const Table& table, Build build) {
    for (const auto& row : table)
        frame.registerWindow(row.id, [&row, build](Frame& f) { return build(f, row); });
}

} // namespace spawnsmith
