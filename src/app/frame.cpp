#include "app/frame.h"

#include "app/fontfit.h"
#include "app/inputguard.h"
#include "app/lockout/lockoutsets.h"
#include "app/window.h"
#include "platform/platform.h"

#include <QApplication>
#include <QImageReader>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace spawnsmith {

QIcon decodePicture(const QString& path) {
    QIcon icon;
    const auto add = [&icon](const QString& file) {
        QImageReader reader(file, "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    };
    add(path);
    const QString sharper = qt_findAtNxFile(path, qGuiApp->devicePixelRatio());
    if (sharper != path)
        add(sharper);
    return icon;
}

QPoint centredPosition(const QSize& frameSize, const QRect& available) {
    QRect frame(QPoint(), frameSize);
    frame.moveCenter(available.center());
    return {std::max(frame.left(), available.left()), std::max(frame.top(), available.top())};
}

Frame::Frame(Platform& platform) : m_platform(platform), m_inputGuard(new InputGuard(*this)) {
    qApp->installEventFilter(m_inputGuard);
}

Frame::~Frame() {
    unloadAll();
}

void Frame::registerWindow(const QString& name, WindowBuilder builder) {
    Q_ASSERT(!m_builders.contains(name));
    m_builders.emplace(name, std::move(builder));
}

QStringList Frame::registeredWindows() const {
    QStringList names;
    for (const auto& entry : m_builders)
        names.append(entry.first);
    return names;
}

Window* Frame::loaded(const QString& name) const {
    return m_loaded.value(name);
}

QStringList Frame::loadedWindows() const {
    QStringList names;
    for (auto it = m_loaded.cbegin(); it != m_loaded.cend(); ++it)
        if (it.value())
            names.append(it.key());
    names.sort();
    return names;
}

Window* Frame::window(const QString& name) {
    if (Window* existing = loaded(name))
        return existing;
    const auto builder = m_builders.find(name);
    Q_ASSERT_X(builder != m_builders.end(), "Frame::window", qPrintable(name));
    if (builder == m_builders.end())
        return nullptr;
    Window* created = builder->second(*this);
    attachLockOutSet(*created);
    connect(created, &Window::activated, this, [this, name] { bringDialogsToFront(name); });
    m_loaded.insert(name, created);
    emit windowLoaded(name);
    return created;
}

void Frame::show(const QString& name) {
    const bool fresh = loaded(name) == nullptr;
    Window* target = window(name);
    if (!target)
        return;
    if (fresh) {
        fitFont(target);
        target->adjustSize();
        target->setOpenedBy(m_inputGuard->lastInputTimestamp(), m_inputGuard->lastInputWasMouse());
        // The native window is made where the window belongs, with the frame seen on an
        // earlier window standing in for its own: some window managers (Weston's for X11
        // clients) take a window's place from where it was made and ignore later moves.
        const bool framed = !(target->windowFlags() & Qt::FramelessWindowHint);
        const QMargins assumed = framed ? m_frameMargins : QMargins();
        place(target, assumed);
        target->winId();
        // A dialog is transient for the window it is opened over, so the window system keeps
        // it stacked above that window even while the window itself is active (on X11 only a
        // window of the dialog type is made transient, see Window::setOpensOverAScreen).
        if (const Window* under = loaded(m_dialogOver.key(name)))
            target->windowHandle()->setTransientParent(under->windowHandle());
        // A window without a caption has no name on the window system either, although Qt
        // names such a window after the program (task bars and window lists would show it).
        if (target->windowTitle().isEmpty())
            m_platform.clearWindowName(target->winId());
        // With its native window made, the platform may already know the frame around it;
        // where it does not yet (X11 before the window manager has framed the window), the
        // assumed frame stands in until this one's is known.
        QMargins margins = target->windowHandle()->frameMargins();
        if (margins.isNull() && framed)
            margins = assumed;
        if (margins != assumed)
            place(target, margins);
        if (framed)
            placeAgainOnceFramed(target, margins);
        if (QWidget* first = target->firstFocus())
            first->setFocus(Qt::OtherFocusReason);
    }
    target->show();
    target->raise();
    target->activateWindow();
}

void Frame::place(Window* window, const QMargins& frameMargins) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize frameSize = window->size().grownBy(frameMargins);
    const QPoint frameTopLeft = centredPosition(frameSize, screen->availableGeometry());
    // Placed by its client area, which Qt positions the same way whether or not it knows the
    // frame yet (a frame position would be taken for the client's until the frame is known).
    window->setGeometry(
        QRect(frameTopLeft + QPoint(frameMargins.left(), frameMargins.top()), window->size()));
}

// Once the window is on screen its frame is known; if it differs from the one the window was
// placed with, the window is centred again, frame included, and the frame is remembered for
// the windows that follow.
void Frame::placeAgainOnceFramed(Window* window, const QMargins& assumed) {
    connect(
        window, &Window::exposed, this,
        [this, window, assumed] {
            const QMargins actual = window->windowHandle()->frameMargins();
            if (!actual.isNull())
                m_frameMargins = actual;
            if (actual != assumed)
                place(window, actual);
        },
        Qt::SingleShotConnection);
}

void Frame::unload(const QString& name) {
    QPointer<Window> target = m_loaded.take(name);
    if (!target)
        return;
    m_dialogOver.remove(name);
    m_focusAfter.remove(name);
    // The window may be unloading itself from one of its own button handlers, so it is hidden
    // now and destroyed once control is back in the event loop.
    target->hide();
    target->deleteLater();
    emit windowUnloaded(name);
}

void Frame::navigate(const QString& from, const QString& to) {
    show(to);
    unload(from);
}

void Frame::openDialog(const QString& over, const QString& dialog, QWidget* opener) {
    Window* screen = loaded(over);
    lock(over);
    if (screen) {
        m_dialogOver.insert(over, dialog);
        m_focusAfter.insert(dialog, opener ? opener : screen);
    }
    show(dialog);
}

void Frame::closeDialog(const QString& dialog, const QString& owner) {
    const QPointer<QWidget> focus = m_focusAfter.take(dialog);
    if (m_dialogOver.value(owner) == dialog)
        m_dialogOver.remove(owner);
    unlock(owner);
    unload(dialog);
    if (Window* caller = loaded(owner)) {
        caller->raise();
        caller->activateWindow();
        if (focus && focus->window() == caller)
            focus->setFocus(Qt::OtherFocusReason);
    }
}

// Brings the dialogs over a locked window back to the front, restoring any that was minimized.
// When nothing on the window can take the focus, the topmost dialog is activated too: a user
// who clicks the locked window finds the dialog that holds it, instead of a screen that reacts
// to nothing. A window with a usable control left (the vehicle creators' angle box) keeps the
// activation the user gave it, so that the click or the keys reach that control.
void Frame::bringDialogsToFront(const QString& window) {
    Window* top = nullptr;
    for (QString over = window; m_dialogOver.contains(over);) {
        const QString dialog = m_dialogOver.value(over);
        Window* shown = loaded(dialog);
        if (!shown)
            break;
        if (shown->isMinimized())
            shown->showNormal();
        shown->raise();
        top = shown;
        over = dialog;
    }
    if (Window* locked = loaded(window); top && locked && !locked->hasUsableControl())
        top->activateWindow();
}

void Frame::endProgram() {
    m_platform.endProgram();
}

void Frame::lock(const QString& name) {
    if (Window* target = loaded(name))
        target->setLocked(true);
}

void Frame::unlock(const QString& name) {
    if (Window* target = loaded(name))
        target->setLocked(false);
}

void Frame::perform(const QString& window, const Action& action, QWidget* origin) {
    switch (action.op) {
    case Action::Op::Navigate:
        navigate(window, action.target);
        break;
    case Action::Op::OpenDialog:
        openDialog(window, action.target, origin);
        break;
    case Action::Op::CloseDialog:
        closeDialog(window, action.target);
        break;
    case Action::Op::EndProgram:
        endProgram();
        break;
    case Action::Op::Run:
        if (action.run)
            action.run(*this);
        break;
    case Action::Op::None:
        break;
    }
}

const QIcon& Frame::picture(const QString& path) {
    auto found = m_pictures.find(path);
    if (found == m_pictures.end())
        found = m_pictures.insert(path, decodePicture(path));
    return *found;
}

void Frame::unloadAll() {
    m_dialogOver.clear();
    m_focusAfter.clear();
    const QStringList names = m_loaded.keys();
    for (const QString& name : names) {
        QPointer<Window> target = m_loaded.take(name);
        delete target.data();
    }
}

} // namespace spawnsmith
