#pragma once

// Drives the real windows with the events of the reference model and compares the two after
// every event. Events are chosen from the model's state and a seeded generator only, so a seed
// replays the same walk.

#include "walkmodel.h"

#include "app/frame.h"
#include "app/startup.h"
#include "app/widgets/listbox.h"
#include "app/widgets/textarea.h"
#include "app/window.h"
#include "support/recordingplatform.h"
#include "support/settle.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSet>
#include <QTest>
#include <QTextEdit>

#include <random>

namespace spawnsmith::model {

class Walker {
public:
    Walker(Frame& frame, RecordingPlatform& platform, quint64 seed)
        : m_frame(frame), m_platform(platform), m_random(seed) {
        for (const QString& name : frame.registeredWindows())
            m_registered.insert(name);
        QObject::connect(&frame, &Frame::windowLoaded, &frame,
                         [this](const QString& name) { covered.insert(name); });
        readComposerAddress();
    }

    WalkModel model;
    QSet<QString> covered; // every window loaded so far
    QStringList trace;     // the latest events, oldest first
    int steps = 0;

    // Runs the real start-up with a clock that lets the splash wait end at its first pass, and
    // checks that the splash screen is alone during the wait and gone after it.
    QString startUp() {
        int readings = 0;
        QString problem;
        m_platform.clock = [&] {
            if (++readings == 2 && m_frame.loadedWindows() != QStringList{"frmgtaccload"})
                problem = "during the splash wait: " + m_frame.loadedWindows().join(',');
            return readings == 1 ? 100.0 : readings == 2 ? 101.9995 : 102.0;
        };
        spawnsmith::startUp(m_frame);
        m_platform.clock = nullptr;
        settle();
        model.restart("frmgtapick");
        return problem.isEmpty() ? compare() : problem;
    }

    // Chooses the next event, performs it on the model and the windows, and compares.
    QString step() { return perform(next()); }

    QString perform(const Event& event) {
        ++steps;
        trace.append(event.describe());
        if (trace.size() > 30)
            trace.removeFirst();
        model.apply(event);
        execute(event);
        settle();
        if (QString problem = model.shapeProblem(); !problem.isEmpty())
            return problem;
        return compare();
    }

    // Where the windows differ from the model; empty when they agree.
    QString compare() {
        const QStringList expected = model.loaded.keys();
        if (m_frame.loadedWindows() != expected)
            return "loaded windows are " + m_frame.loadedWindows().join(',') + ", expected " +
                   expected.join(',');
        for (auto it = model.loaded.cbegin(); it != model.loaded.cend(); ++it)
            if (QString problem = compareWindow(it.key(), it.value()); !problem.isEmpty())
                return it.key() + ": " + problem;
        if (m_platform.endProgramCalls != model.endProgramCalls)
            return QStringLiteral("end program called %1 times, expected %2")
                .arg(m_platform.endProgramCalls)
                .arg(model.endProgramCalls);
        QByteArrayList mails;
        int web = static_cast<int>(m_platform.started.size());
        for (const QByteArray& url : m_platform.openedUrls) {
            if (url.startsWith("mailto:"))
                mails.append(url);
            else
                ++web;
        }
        if (mails != model.mailUrls)
            return "mailto URLs " + mails.join(" | ") + ", expected " + model.mailUrls.join(" | ");
        if (web != model.webLaunches)
            return QStringLiteral("%1 browser starts, expected %2").arg(web).arg(model.webLaunches);
        return {};
    }

    Event next() {
        if (model.ended)
            return restartEvent();
        for (;;) {
            const int roll = pick(100);
            std::optional<Event> event;
            if (roll < 36)
                event = clickEvent(true);
            else if (roll < 40)
                event = clickEvent(true, Event::Type::Press);
            else if (roll < 43)
                event = clickEvent(false);
            else if (roll < 55)
                event = listEvent(false);
            else if (roll < 59)
                event = listEvent(true);
            else if (roll < 71)
                event = boxEvent(Event::Type::Type);
            else if (roll < 78)
                event = boxEvent(Event::Type::Paste);
            else if (roll < 81)
                event = boxEvent(Event::Type::Clear);
            else if (roll < 87)
                event = closeEvent();
            else if (roll < 92)
                event = menuEvent(Event::Type::Shortcut);
            else if (roll < 97)
                event = menuEvent(Event::Type::MenuClick);
            else if (roll < 98)
                event = restartEvent();
            if (event)
                return *event;
        }
    }

private:
    Frame& m_frame;
    RecordingPlatform& m_platform;
    std::mt19937_64 m_random;
    QSet<QString> m_registered;

    int pick(int n) { return static_cast<int>(m_random() % static_cast<quint64>(n)); }
    template <typename T> const T& pickFrom(const QList<T>& list) {
        return list[pick(list.size())];
    }

    bool registered(const Effect& effect) const {
        return (effect.op != Effect::Op::Navigate && effect.op != Effect::Op::OpenDialog &&
                effect.op != Effect::Op::Generate) ||
               m_registered.contains(effect.target);
    }

    void readComposerAddress() {
        if (!m_registered.contains("frmsendemail"))
            return;
        if (auto* to = m_frame.window("frmsendemail")->findChild<QLineEdit*>("txtTo"))
            model.composerTo = to->text();
        m_frame.unload("frmsendemail");
        settle();
    }

    // --- choosing events -------------------------------------------------------------------

    Event restartEvent() {
        QStringList screens;
        for (const WindowModel& w : windows())
            if (isScreen(w.kind) && w.kind != Kind::Splash && m_registered.contains(w.name))
                screens.append(w.name);
        const QString screen = pick(4) == 0 ? pickFrom(screens) : QStringLiteral("frmgtapick");
        return {Event::Type::Restart, screen};
    }

    std::optional<Event> clickEvent(bool enabled, Event::Type type = Event::Type::Click) {
        QList<Event> candidates;
        for (const QString& window : model.loaded.keys())
            for (const Button& button : windowModel(window).buttons)
                if (model.enabled(window, button.name) == enabled && registered(button.effect))
                    candidates.append({type, window, button.name, pick(2)});
        if (candidates.isEmpty())
            return std::nullopt;
        return pickFrom(candidates);
    }

    std::optional<Event> listEvent(bool keyboard) {
        QStringList creators;
        for (const QString& window : model.loaded.keys())
            if (windowModel(window).kind == Kind::Creator)
                creators.append(window);
        if (creators.isEmpty())
            return std::nullopt;
        const WindowModel& w = windowModel(pickFrom(creators));
        if (keyboard)
            return Event{Event::Type::ListKey, w.name, w.list, pick(3) == 0 ? -1 : 1};
        return Event{Event::Type::Select, w.name, w.list,
                     pick(static_cast<int>(w.catalogue.size()))};
    }

    std::optional<Event> boxEvent(Event::Type type) {
        QList<QPair<QString, QString>> boxes;
        for (const QString& window : model.loaded.keys()) {
            const WindowModel& w = windowModel(window);
            for (const Input& input : w.inputs)
                boxes.append({window, input.box});
            if (!w.resultBox.isEmpty() && w.kind == Kind::Result)
                boxes.append({window, w.resultBox});
            for (const QString& box : w.editableBoxes + w.readOnlyBoxes)
                boxes.append({window, box});
        }
        if (boxes.isEmpty())
            return std::nullopt;
        const auto& [window, box] = pickFrom(boxes);
        Event event{type, window, box};
        if (type == Event::Type::Type)
            event.text = typedText();
        else if (type == Event::Type::Paste)
            event.text = pastedText();
        return event;
    }

    std::optional<Event> closeEvent() {
        if (model.loaded.isEmpty())
            return std::nullopt;
        return Event{Event::Type::Close, pickFrom(model.loaded.keys())};
    }

    std::optional<Event> menuEvent(Event::Type type) {
        QList<MenuEntry> entries;
        for (const MenuEntry& entry : menuEntries())
            if (registered(entry.effect) && menuActionExists(entry.entry))
                entries.append(entry);
        if (entries.isEmpty())
            return std::nullopt;
        const MenuEntry& entry = pickFrom(entries);
        if (type == Event::Type::MenuClick) {
            if (!model.isLoaded("frmgtapick"))
                return std::nullopt;
            return Event{type, "frmgtapick", entry.entry};
        }
        // Mostly aimed at the game-pick screen; sometimes at whatever else is up.
        const QStringList loaded = model.loaded.keys();
        const QString target =
            model.isLoaded("frmgtapick") && pick(5) != 0 ? "frmgtapick" : pickFrom(loaded);
        Event event{type, target, entry.entry};
        event.key = entry.key;
        return event;
    }

    bool menuActionExists(const QString& entry) {
        if (m_menuEntries.isEmpty()) {
            Window* pick = m_frame.loaded("frmgtapick");
            if (!pick)
                return false;
            for (const MenuEntry& e : menuEntries())
                if (pick->findChild<QAction*>(e.entry))
                    m_menuEntries.insert(e.entry);
            m_menuEntries.insert(QString()); // looked once
        }
        return m_menuEntries.contains(entry);
    }
    QSet<QString> m_menuEntries;

    QString typedText() {
        static const QString keys = QStringLiteral("0123456789-.,abcxyzXYZ $&%?=~#+_");
        QString text;
        for (int n = 1 + pick(8); n > 0; --n)
            text += keys[pick(static_cast<int>(keys.size()))];
        return text;
    }

    QString pastedText() {
        static const QStringList pieces = {"12.5",   "-1034.75",   " ",      "$",      "&",
                                           "a b&c",  "100%",       "?=",     "\t",     "\r\n",
                                           "\n",     "\r",         "\u00e9", "\u20ac", "\u00fc",
                                           "\u4e2d", "\U0001F600", "1,5",    "",       "#BAT",
                                           "  lead", "trail  ",    "O'Neil", "\"q\""};
        QString text;
        for (int n = 1 + pick(3); n > 0; --n)
            text += pickFrom(pieces);
        return text;
    }

    // --- performing events on the windows -------------------------------------------------

    template <typename T> T* find(const QString& window, const QString& name) const {
        Window* w = m_frame.loaded(window);
        return w ? w->findChild<T*>(name) : nullptr;
    }

    // Input to a disabled control goes the same way but without QTest's complaint that
    // nobody accepted it.
    static void key(QWidget* target, Qt::Key k, Qt::KeyboardModifiers mods = {}) {
        if (target->isEnabled()) {
            QTest::keyClick(target, k, mods);
            return;
        }
        QKeyEvent press(QEvent::KeyPress, k, mods);
        QCoreApplication::sendEvent(target, &press);
    }

    static void click(QWidget* target, QPoint where = {}) {
        if (where.isNull())
            where = target->rect().center();
        if (target->isEnabled()) {
            QTest::mouseClick(target, Qt::LeftButton, {}, where);
            return;
        }
        QMouseEvent press(QEvent::MouseButtonPress, where, target->mapToGlobal(where),
                          Qt::LeftButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &press);
    }

    void execute(const Event& e) {
        using T = Event::Type;
        switch (e.type) {
        case T::Restart:
            m_frame.unloadAll();
            settle();
            m_frame.show(e.window);
            break;
        case T::Click:
            if (auto* button = find<QAbstractButton>(e.window, e.control))
                click(button);
            break;
        case T::Press:
            if (auto* button = find<QAbstractButton>(e.window, e.control))
                key(button, e.row == 0 ? Qt::Key_Return : Qt::Key_Space);
            break;
        case T::Close:
            if (Window* w = m_frame.loaded(e.window))
                w->close();
            break;
        case T::Select:
            if (auto* list = find<ListBox>(e.window, e.control)) {
                QListWidgetItem* item = list->item(e.row);
                list->scrollToItem(item);
                click(list->viewport(), list->visualItemRect(item).center());
            }
            break;
        case T::ListKey:
            if (auto* list = find<ListBox>(e.window, e.control))
                key(list, e.row < 0 ? Qt::Key_Up : Qt::Key_Down);
            break;
        case T::Type:
        case T::Paste:
        case T::Clear:
            if (auto* box = find<QWidget>(e.window, e.control))
                edit(box, e);
            break;
        case T::Shortcut:
            if (Window* w = m_frame.loaded(e.window)) {
                QApplication::setActiveWindow(w);
                key(w, e.key, Qt::ControlModifier);
            }
            break;
        case T::MenuClick:
            chooseFromMenu(e.control);
            break;
        }
    }

    static void edit(QWidget* box, const Event& e) {
        const bool singleLine = qobject_cast<QLineEdit*>(box) != nullptr;
        if (e.type == Event::Type::Clear) {
            key(box, Qt::Key_A, Qt::ControlModifier);
            key(box, Qt::Key_Delete);
            return;
        }
        key(box, Qt::Key_End, singleLine ? Qt::NoModifier : Qt::ControlModifier);
        if (e.type == Event::Type::Paste) {
            QApplication::clipboard()->setText(e.text);
            key(box, Qt::Key_V, Qt::ControlModifier);
        } else if (box->isEnabled()) {
            QTest::keyClicks(box, e.text);
        } else {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, {}, e.text);
            QCoreApplication::sendEvent(box, &press);
        }
    }

    void chooseFromMenu(const QString& entryName) {
        Window* pick = m_frame.loaded("frmgtapick");
        if (!pick)
            return;
        auto* bar = pick->findChild<QMenuBar*>();
        auto* entry = pick->findChild<QAction*>(entryName);
        QMenu* menu = nullptr;
        for (QMenu* m : pick->findChildren<QMenu*>())
            if (m->actions().contains(entry))
                menu = m;
        if (!bar || !entry || !menu)
            return;
        click(bar, bar->actionGeometry(menu->menuAction()).center());
        if (menu->isVisible())
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }

    // --- comparing ---------------------------------------------------------------------------

    static bool isControlName(const QString& name) {
        static const char* prefixes[] = {"cmd", "txt", "lst", "lbl", "frame", "img", "mnu"};
        for (const char* prefix : prefixes)
            if (name.startsWith(QLatin1String(prefix)))
                return true;
        return false;
    }

    static QString boxText(QWidget* box) {
        if (auto* result = qobject_cast<TextArea*>(box))
            return result->text();
        if (auto* line = qobject_cast<QLineEdit*>(box))
            return line->text();
        QString plain;
        if (auto* edit = qobject_cast<QPlainTextEdit*>(box))
            plain = edit->toPlainText();
        else if (auto* rich = qobject_cast<QTextEdit*>(box))
            plain = rich->toPlainText();
        else
            return QStringLiteral("<not a text box>");
        return plain.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    }

    QString compareWindow(const QString& name, const WalkModel::WindowState& state) const {
        Window* w = m_frame.loaded(name);
        if (!w->isVisible())
            return QStringLiteral("not visible");
        if (!w->isEnabled())
            return QStringLiteral("the window itself is disabled");
        const WindowModel& m = windowModel(name);
        for (const Button& button : m.buttons)
            if (!w->findChild<QAbstractButton*>(button.name))
                return "no button " + button.name;

        // Locked: every control but the few outside the set is disabled. Unlocked: all enabled.
        for (QWidget* control : w->findChildren<QWidget*>()) {
            const QString controlName = control->objectName();
            if (!isControlName(controlName))
                continue;
            const bool outsideSet = m.unlockable.contains(controlName) ||
                                    (m.kind == Kind::Composer && qobject_cast<QLabel*>(control));
            const bool expected = !state.locked || outsideSet;
            if (control->isEnabled() != expected)
                return controlName + (expected ? " is disabled" : " is enabled");
            if (auto* menu = qobject_cast<QMenu*>(control);
                menu && menu->menuAction()->isEnabled() != expected)
                return "menu " + controlName + (expected ? " is disabled" : " is enabled");
        }
        for (const MenuEntry& entry : menuEntries())
            if (auto* action = w->findChild<QAction*>(entry.entry); action && !action->isEnabled())
                return "menu entry " + entry.entry + " is disabled";

        if (m.kind == Kind::Creator) {
            auto* list = w->findChild<ListBox*>(m.list);
            if (!list)
                return "no list " + m.list;
            if (list->selectedIndex() != state.selected)
                return QStringLiteral("%1 selects row %2, expected %3")
                    .arg(m.list)
                    .arg(list->selectedIndex())
                    .arg(state.selected);
        }
        for (auto it = state.texts.cbegin(); it != state.texts.cend(); ++it) {
            auto* box = w->findChild<QWidget*>(it.key());
            if (!box)
                return "no box " + it.key();
            const QString actual = boxText(box);
            if (actual != it.value())
                return it.key() + " holds \"" + actual + "\", expected \"" + it.value() + '"';
        }
        return {};
    }
};

} // namespace spawnsmith::model
