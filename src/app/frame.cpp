#include "app/frame.h"

#include "app/lockout/lockoutsets.h"
#include "app/window.h"
#include "platform/platform.h"

#include <QGuiApplication>
#include <QScreen>

namespace spawnsmith {

Frame::Frame(Platform& platform) : m_platform(platform) {}

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
        target->adjustSize();
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen) {
            QRect area(QPoint(), target->size());
            area.moveCenter(screen->availableGeometry().center());
            target->move(area.topLeft());
        }
        if (QWidget* first = target->firstFocus())
            first->setFocus(Qt::OtherFocusReason);
    }
    target->show();
    target->raise();
    target->activateWindow();
}

void Frame::unload(const QString& name) {
    QPointer<Window> target = m_loaded.take(name);
    if (!target)
        return;
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

void Frame::openDialog(const QString& over, const QString& dialog) {
    lock(over);
    show(dialog);
}

void Frame::closeDialog(const QString& dialog, const QString& owner) {
    unlock(owner);
    unload(dialog);
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

void Frame::perform(const QString& window, const Action& action) {
    switch (action.op) {
    case Action::Op::Navigate:
        navigate(window, action.target);
        break;
    case Action::Op::OpenDialog:
        openDialog(window, action.target);
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
        found = m_pictures.insert(path, QIcon(path));
    return *found;
}

void Frame::unloadAll() {
    const QStringList names = m_loaded.keys();
    for (const QString& name : names) {
        QPointer<Window> target = m_loaded.take(name);
        delete target.data();
    }
}

} // namespace spawnsmith
