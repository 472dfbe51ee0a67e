#pragma once

#include "app/action.h"

#include <QHash>
#include <QIcon>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <map>

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

// The frame holds the single instance of every window, addressed by its name, and offers the
// operations every button is made of: show, unload, navigate, open and close a dialog, end.
class Frame : public QObject {
    Q_OBJECT
public:
    explicit Frame(Platform& platform);
    ~Frame() override;

    Platform& platform() const { return m_platform; }

    // Registers how a window is built. Every window name is registered once.
    void registerWindow(const QString& name, WindowBuilder builder);
    QStringList registeredWindows() const;

    // The loaded instance, loading it (not shown) if need be.
    Window* window(const QString& name);
    // The loaded instance, or nullptr.
    Window* loaded(const QString& name) const;
    QStringList loadedWindows() const;

    // Shows a window in front, loading it first (centred on the screen) if need be.
    void show(const QString& name);
    void unload(const QString& name);
    void navigate(const QString& from, const QString& to);
    // Locks the window `over` and shows the dialog, kept above it by the window system. Once the
    // dialog closes, the focus goes back to `opener` (the button that opened it), or to the
    // window itself when there is none (a menu entry opened it). While the dialog is open,
    // activating `over` brings the dialog back to the front.
    void openDialog(const QString& over, const QString& dialog, QWidget* opener = nullptr);
    // Unlocks `owner`, unloads the dialog and gives the focus back to what opened it.
    void closeDialog(const QString& dialog, const QString& owner);
    void endProgram();

    // Disables or enables a window's lock-out set, in the set's order.
    void lock(const QString& name);
    void unlock(const QString& name);

    // Carries out a button's action on behalf of the window that holds the button; `origin` is
    // the button, or nullptr for a menu entry.
    void perform(const QString& window, const Action& action, QWidget* origin = nullptr);

    // A compiled-in picture, decoded once and shared by every window that shows it.
    const QIcon& picture(const QString& path);

    // Unloads every window (tests start each case from nothing).
    void unloadAll();

signals:
    void windowLoaded(const QString& name);
    void windowUnloaded(const QString& name);

private:
    void place(Window* window, const QMargins& frameMargins);
    void placeAgainOnceFramed(Window* window, const QMargins& assumed);
    void bringDialogsToFront(const QString& window);

    Platform& m_platform;
    InputGuard* m_inputGuard;
    std::map<QString, WindowBuilder> m_builders;
    QHash<QString, QPointer<Window>> m_loaded;
    QHash<QString, QIcon> m_pictures;
    QHash<QString, QString> m_dialogOver;           // a locked window -> the dialog over it
    QHash<QString, QPointer<QWidget>> m_focusAfter; // a dialog -> what gets the focus after it
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
        frame.registerWindow(QLatin1String(row.name),
                             [&row, build](Frame& f) { return build(f, row); });
}

} // namespace spawnsmith
