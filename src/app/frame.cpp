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

namespace {

std::size_t indexOf(WindowId id) {
    return static_cast<std::size_t>(id);
}

} // namespace

void Frame::registerWindow(WindowId id, WindowBuilder builder) {
    // A second registration is kept out but counted, so that the check names the window.
    if (m_registrations[indexOf(id)]++ == 0)
        m_builders[indexOf(id)] = std::move(builder);
}

std::vector<WindowId> Frame::registeredWindows() const {
    std::vector<WindowId> ids;
    for (const WindowId id : allWindowIds)
        if (m_registrations[indexOf(id)] > 0)
            ids.push_back(id);
    return ids;
}

QStringList Frame::registrationProblems() const {
    QStringList problems;
    for (const WindowId id : allWindowIds) {
        const int count = m_registrations[indexOf(id)];
        if (count == 0)
            problems.append(QStringLiteral("%1 has no builder").arg(objectNameOf(id)));
        else if (count > 1)
            problems.append(
                QStringLiteral("%1 is registered %2 times").arg(objectNameOf(id)).arg(count));
    }
    return problems;
}

void Frame::checkRegistration() const {
    const QStringList problems = registrationProblems();
    if (!problems.isEmpty())
        qFatal("spawnsmith: the windows are incomplete: %s",
               qPrintable(problems.join(QLatin1String("; "))));
}

Window* Frame::loaded(WindowId id) const {
    return m_loaded.value(id);
}

Window* Frame::window(QAnyStringView name) {
    const std::optional<WindowId> id = windowIdFromName(name);
    return id ? window(*id) : nullptr;
}

Window* Frame::loaded(QAnyStringView name) const {
    const std::optional<WindowId> id = windowIdFromName(name);
    return id ? loaded(*id) : nullptr;
}

QStringList Frame::loadedWindows() const {
    QStringList names;
    for (auto it = m_loaded.cbegin(); it != m_loaded.cend(); ++it)
        if (it.value())
            names.append(objectNameOf(it.key()));
    names.sort();
    return names;
}

Window* Frame::window(WindowId id) {
    if (Window* existing = loaded(id))
        return existing;
    const WindowBuilder& builder = m_builders[indexOf(id)];
    if (!builder)
        return nullptr;
    Window* created = builder(*this);
    attachLockOutSet(*created);
    connect(created, &Window::activated, this, [this, id] { bringDialogsToFront(id); });
    m_loaded.insert(id, created);
    emit windowLoaded(objectNameOf(id));
    return created;
}

void Frame::show(WindowId id) {
    const bool fresh = loaded(id) == nullptr;
    Window* target = window(id);
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

void Frame::unload(WindowId id) {
    QPointer<Window> target = m_loaded.take(id);
    if (!target)
        return;
    m_dialogOver.remove(id);
    m_focusAfter.remove(id);
    // The window may be unloading itself from one of its own button handlers, so it is hidden
    // now and destroyed once control is back in the event loop.
    target->hide();
    target->deleteLater();
    emit windowUnloaded(objectNameOf(id));
}

void Frame::navigate(WindowId from, WindowId to) {
    show(to);
    if (loaded(to))
        unload(from);
}

void Frame::openDialog(WindowId over, WindowId dialog, QWidget* opener) {
    // Checked without loading the dialog: show() lays out and places a window it loads itself.
    if (!loaded(dialog) && !m_builders[indexOf(dialog)])
        return;
    Window* screen = loaded(over);
    lock(over);
    if (screen) {
        m_dialogOver.insert(over, dialog);
        m_focusAfter.insert(dialog, opener ? opener : screen);
    }
    show(dialog);
}

void Frame::closeDialog(WindowId dialog, WindowId owner) {
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
void Frame::bringDialogsToFront(WindowId window) {
    Window* top = nullptr;
    for (WindowId over = window; m_dialogOver.contains(over);) {
        const WindowId dialog = m_dialogOver.value(over);
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

void Frame::lock(WindowId id) {
    if (Window* target = loaded(id))
        target->setLocked(true);
}

void Frame::unlock(WindowId id) {
    if (Window* target = loaded(id))
        target->setLocked(false);
}

void Frame::perform(WindowId window, const Action& action, QWidget* origin) {
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
    const QList<WindowId> ids = m_loaded.keys();
    for (const WindowId id : ids) {
        QPointer<Window> target = m_loaded.take(id);
        delete target.data();
    }
}

} // namespace spawnsmith
