#pragma once

// The reference model of the frame: which windows are loaded, which of them are locked, and
// what each loaded window's list and boxes hold. Events are what a user can do; applying one
// gives the state the program must be in afterwards, and what it must have asked of the
// platform (end the program, open a mailto: URL, start a browser).

#include "assembly.h"
#include "mailto.h"
#include "windows.h"

#include <QByteArrayList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>

namespace spawnsmith::model {

struct Event {
    enum class Type {
        Click,     // mouse click on a button
        Select,    // mouse click on a list row
        ListKey,   // Up or Down arrow in a list
        Type,      // keys typed at the end of a box
        Paste,     // Ctrl+V at the end of a box
        Clear,     // Ctrl+A, Delete in a box
        Close,     // the title bar's close box
        Shortcut,  // Ctrl+letter on the game-pick screen (or on whatever screen is up)
        MenuClick, // mouse on a menu title, then on one of its entries
        Restart,   // a fresh run starting on the given screen
        Press,     // Enter (row 0) or Space (row 1) on a button, wherever the focus is
    };
    Type type = Type::Click;
    QString window;
    QString control; // button, list, box or menu entry
    int row = 0;     // Select: the row; ListKey: +1 down, -1 up
    QString text;    // Type, Paste
    Qt::Key key = Qt::Key_unknown;

    Event() = default;
    Event(Type t, QString w, QString c = {}, int r = 0, QString typed = {})
        : type(t), window(std::move(w)), control(std::move(c)), row(r), text(std::move(typed)) {}

    QString describe() const {
        static constexpr std::array names = {"click", "select",  "list-key", "type",
                                             "paste", "clear",   "close",    "shortcut",
                                             "menu",  "restart", "key"};
        static_assert(names.size() == static_cast<std::size_t>(Type::Press) + 1);
        QString d = QLatin1String(names[static_cast<int>(type)]) + ' ' + window;
        if (!control.isEmpty())
            d += '.' + control;
        if (type == Type::Select || type == Type::ListKey)
            d += QStringLiteral(" %1").arg(row);
        if (type == Type::Type || type == Type::Paste) {
            QString shown;
            for (QChar c : text)
                shown += c.unicode() < 0x20 || c.unicode() > 0x7e
                             ? QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'))
                             : QString(c);
            d += " \"" + shown + '"';
        }
        if (type == Type::Press)
            d += row == 0 ? QLatin1String(" Enter") : QLatin1String(" Space");
        if (type == Type::Shortcut)
            d += QStringLiteral(" Ctrl+%1").arg(QChar(static_cast<char16_t>(key)));
        return d;
    }
};

inline const QString& initialMailBody() {
    static const QString body =
        QStringLiteral("Enter your E-Mail message here. Remember I will not \r\n"
                       "give you permission to edit the tool so don't even \r\n"
                       "ask. If you are reporting a site hosting this tool \r\n"
                       "without my permission then please check the Web \r\n"
                       "Sites listed in the latest version before reporting to me.\r\n");
    return body;
}

class WalkModel {
public:
    struct WindowState {
        bool locked = false;
        int selected = -1;
        QMap<QString, QString> texts; // box name -> text
    };

    QMap<QString, WindowState> loaded;
    int endProgramCalls = 0;
    int webLaunches = 0;
    QByteArrayList mailUrls;
    bool ended = false; // "Yes" was pressed: only a restart may follow
    QString composerTo; // the maker's address, the composer's one implementer-chosen text

    void restart(const QString& screen) {
        loaded.clear();
        ended = false;
        load(screen);
    }

    bool isLoaded(const QString& window) const { return loaded.contains(window); }
    bool locked(const QString& window) const { return loaded.value(window).locked; }

    // Whether a control of a loaded window takes input now.
    bool enabled(const QString& window, const QString& control) const {
        if (!isLoaded(window))
            return false;
        return !locked(window) || windowModel(window).unlockable.contains(control);
    }

    bool editable(const QString& window, const QString& box) const {
        const WindowModel& w = windowModel(window);
        return w.input(box) || box == w.resultBox || w.editableBoxes.contains(box);
    }

    // Multi-line boxes keep line breaks as CR LF; single-line boxes keep every character.
    bool multiLine(const QString& window, const QString& box) const {
        const WindowModel& w = windowModel(window);
        return box == w.resultBox || (w.kind == Kind::Composer && box == "txtBody");
    }

    void apply(const Event& e) {
        using T = Event::Type;
        switch (e.type) {
        case T::Restart:
            restart(e.window);
            return;
        case T::Click:
        case T::Press:
            if (enabled(e.window, e.control))
                press(e.window, e.control);
            return;
        case T::Close: {
            const QString& button = windowModel(e.window).closeBox;
            if (!button.isEmpty() && enabled(e.window, button))
                press(e.window, button);
            return;
        }
        case T::Select:
            if (enabled(e.window, e.control))
                loaded[e.window].selected = e.row;
            return;
        case T::ListKey:
            if (enabled(e.window, e.control)) {
                int& selected = loaded[e.window].selected;
                const int last = static_cast<int>(windowModel(e.window).catalogue.size()) - 1;
                selected = selected < 0 ? 0 : std::clamp(selected + e.row, 0, last);
            }
            return;
        case T::Type:
        case T::Paste:
            if (enabled(e.window, e.control) && editable(e.window, e.control))
                append(e.window, e.control, e.text);
            return;
        case T::Clear:
            if (enabled(e.window, e.control) && editable(e.window, e.control))
                loaded[e.window].texts[e.control].clear();
            return;
        case T::Shortcut:
        case T::MenuClick:
            if (e.window == "frmgtapick" && isLoaded(e.window) && !locked(e.window))
                for (const MenuEntry& entry : menuEntries())
                    if (entry.entry == e.control)
                        perform(e.window, entry.effect);
            return;
        }
    }

    // The frame's own promises: one screen, at most one window over it, and only the composer
    // with its confirm-exit dialog nested. Empty when they hold.
    QString shapeProblem() const {
        QStringList screens, dialogs;
        for (auto it = loaded.cbegin(); it != loaded.cend(); ++it)
            (isScreen(windowModel(it.key()).kind) ? screens : dialogs).append(it.key());
        if (screens.size() != 1)
            return "model holds screens " + screens.join(',');
        if (dialogs.size() > 2 ||
            (dialogs.size() == 2 && dialogs != QStringList{"frmemailexit", "frmsendemail"}))
            return "model holds dialogs " + dialogs.join(',');
        return {};
    }

private:
    void load(const QString& name) {
        WindowState fresh;
        const WindowModel& w = windowModel(name);
        for (const Input& input : w.inputs)
            fresh.texts[input.box] = QString();
        if (!w.resultBox.isEmpty() && w.kind == Kind::Result)
            fresh.texts[w.resultBox] = QString();
        if (w.kind == Kind::Composer) {
            fresh.texts["txtTo"] = composerTo;
            fresh.texts["txtCc"] = QString();
            fresh.texts["txtBcc"] = QString();
            fresh.texts["txtSubject"] = QStringLiteral("Spawnsmith");
            fresh.texts["txtBody"] = initialMailBody();
        }
        loaded.insert(name, fresh);
    }

    void show(const QString& name) {
        if (!isLoaded(name))
            load(name);
    }

    void append(const QString& window, const QString& box, const QString& text) {
        QString& current = loaded[window].texts[box];
        if (multiLine(window, box)) {
            current += asShownInMultiLineBox(text);
            return;
        }
        const WindowModel& w = windowModel(window);
        const Input* input = w.input(box);
        const int limit = input ? maxLengthOf(input->field) : 0;
        // Appended characters beyond the box's limit are refused; a surrogate pair is one
        // character, never cut in half.
        const auto characters = [](const QString& t) {
            qsizetype n = 0;
            for (qsizetype i = 0; i < t.size(); ++i, ++n)
                i += t[i].isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate();
            return n;
        };
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (limit > 0 && characters(current) >= limit)
                break;
            const bool pair =
                text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
            current += text.mid(i, pair ? 2 : 1);
            i += pair;
        }
    }

    void press(const QString& window, const QString& button) {
        if (const Button* b = windowModel(window).button(button))
            perform(window, b->effect);
    }

    void perform(const QString& window, const Effect& effect) {
        using Op = Effect::Op;
        switch (effect.op) {
        case Op::Navigate:
            show(effect.target);
            loaded.remove(window);
            break;
        case Op::OpenDialog:
            loaded[window].locked = true;
            show(effect.target);
            break;
        case Op::CloseDialog:
            if (isLoaded(effect.target))
                loaded[effect.target].locked = false;
            loaded.remove(window);
            break;
        case Op::EndProgram:
            ++endProgramCalls;
            ended = true;
            break;
        case Op::Generate:
            generate(window);
            break;
        case Op::Send: {
            const auto& t = loaded[window].texts;
            mailUrls.append(
                expectedMailto(t["txtTo"], t["txtCc"], t["txtBcc"], t["txtSubject"], t["txtBody"]));
            break;
        }
        case Op::Web:
            ++webLaunches;
            break;
        case Op::Nothing:
            break;
        }
    }

    void generate(const QString& creator) {
        const WindowModel& w = windowModel(creator);
        show(w.result);
        const WindowState state = loaded.value(creator);
        const int index = state.selected;
        if (w.assembles && index >= 0 && index < static_cast<int>(w.catalogue.size())) {
            const CatalogueRow& row = w.catalogue[static_cast<std::size_t>(index)];
            FieldTexts fields;
            for (const Input& input : w.inputs)
                fields[input.field] = state.texts.value(input.box);
            loaded[w.result].texts[windowModel(w.result).resultBox] =
                asShownInTextArea(expectedText(row.shape, QString::fromUtf8(row.fragment), fields));
        }
        loaded.remove(creator);
    }
};

} // namespace spawnsmith::model
