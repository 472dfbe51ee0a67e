#pragma once

// The reference description of every window the wizard has: what each button does, which boxes
// a creator reads, where a close box leads and which controls stay usable while the window is
// locked. Written out independently of the program's own tables, so that a walk can hold
// the program against it. Only the catalogue rows (shape and fragment) come from the program.

#include "core/catalogues.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace spawnsmith::model {

enum class Kind {
    Splash,
    GamePick,
    CodePick,
    Creator,
    Result,
    ExitDialog,
    Info,
    NotAvailable,
    Composer
};

// What pressing a button (or choosing a menu entry) does.
struct Effect {
    enum class Op { Navigate, OpenDialog, CloseDialog, EndProgram, Generate, Send, Web, Nothing };
    Op op = Op::Nothing;
    QString target; // Navigate/OpenDialog: the window shown; CloseDialog: the window unlocked
};

inline Effect navigate(const char* to) {
    return {Effect::Op::Navigate, QLatin1String(to)};
}
inline Effect opens(const char* dialog) {
    return {Effect::Op::OpenDialog, QLatin1String(dialog)};
}
inline Effect closesTo(const char* owner) {
    return {Effect::Op::CloseDialog, QLatin1String(owner)};
}

struct Button {
    QString name;
    Effect effect;
};

// A menu entry of the game-pick screen: its menu title, its Ctrl shortcut letter and effect.
struct MenuEntry {
    QString title;
    QString entry;
    Qt::Key key;
    Effect effect;
};

// An input box of a creator screen and the field it holds.
struct Input {
    QString box;
    Field field;
};

// Most characters a creator's input box takes; 0 means no limit.
inline int maxLengthOf(Field field) {
    switch (field) {
    case Field::X:
    case Field::Y:
    case Field::Z:
        return 7;
    case Field::Angle:
    case Field::Alarm:
    case Field::DoorLock:
        return 3;
    case Field::CodeName:
    case Field::Ammo:
        return 0;
    }
    return 0;
}

struct WindowModel {
    QString name;
    Kind kind = Kind::Splash;
    QList<Button> buttons;
    QString closeBox;       // the button the title-bar close box presses (when it is enabled)
    QStringList unlockable; // controls outside the lock-out set (stay enabled while locked)
    // Creator screens.
    QString list;
    Catalogue catalogue; // the list's rows (names only when the screen does not assemble)
    QList<Input> inputs;
    QString generateButton;
    QString result;
    bool assembles = true; // false: "Generate My Code" only moves to the empty result screen
    // Result screens: the generated-text box. Composer: its editable and read-only boxes.
    QString resultBox;
    QStringList editableBoxes;
    QStringList readOnlyBoxes;

    const Button* button(const QString& buttonName) const {
        for (const Button& b : buttons)
            if (b.name == buttonName)
                return &b;
        return nullptr;
    }
    const Input* input(const QString& box) const {
        for (const Input& i : inputs)
            if (i.box == box)
                return &i;
        return nullptr;
    }
};

inline const QList<MenuEntry>& menuEntries() {
    static const QList<MenuEntry> entries = {
        {"mnuabout", "mnuprogram", Qt::Key_P, opens("frmaboutprogram")},
        {"mnuabout", "mnuversion", Qt::Key_V, opens("frmaboutversion")},
        {"mnuabout", "mnucopyright", Qt::Key_O, opens("frmaboutcopyright")},
        {"mnuthanks", "mnuthanks2", Qt::Key_T, opens("frmthanks")},
        {"mnucontact", "mnuemail", Qt::Key_E, opens("frmsendemail")},
        {"mnuweb", "mnutarvik", Qt::Key_Y, {Effect::Op::Web, {}}},
        {"mnuweb", "mnugtaf", Qt::Key_F, {Effect::Op::Web, {}}},
        {"mnuweb", "mnugtau", Qt::Key_G, {Effect::Op::Web, {}}},
    };
    return entries;
}

namespace detail {

struct CreatorRow {
    const char* name;
    const char* list;
    Catalogue (*catalogue)();
    QList<Input> inputs;
    const char* generateButton;
    const char* result;
    const char* resultBox;
    const char* backToCodePick;
    const char* codePick;
    const char* backToGamePick;
    bool assembles = true;
};

struct ResultRow {
    const char* name;
    const char* box;
    const char* backToCreator;
    const char* creator;
    const char* backToCodePick;
    const char* codePick;
};

inline QList<Input> coordinates(const char* x, const char* y, const char* z) {
    return {{x, Field::X}, {y, Field::Y}, {z, Field::Z}};
}

inline QList<Input> operator+(QList<Input> a, const QList<Input>& b) {
    a += b;
    return a;
}

// The confirm-exit dialog of a window that has an "Exit" button.
inline QString exitDialogOf(const QString& window) {
    static const QMap<QString, QString> special = {
        {"frmgtapick", "frmgtagpexit"},
        {"frmgta3codepick", "frmgta3cpexit"},
        {"frmgtavccodepick", "frmgtavccpexit"},
        {"frmgtasacodepick", "frmgtasacpexit"},
        {"frmgta3weaponcode", "frmgta3weaponfinishedexit"},
    };
    return special.value(window, window + QStringLiteral("exit"));
}

inline WindowModel named(const QString& name, Kind kind) {
    WindowModel w;
    w.name = name;
    w.kind = kind;
    return w;
}

inline void add(QMap<QString, WindowModel>& all, const WindowModel& w) {
    all.insert(w.name, w);
}

inline QMap<QString, WindowModel> build() {
    using enum Kind;
    QMap<QString, WindowModel> all;
    add(all, named("frmgtaccload", Splash));

    WindowModel pick = named("frmgtapick", GamePick);
    pick.buttons = {{"cmdgta3", navigate("frmgta3codepick")},
                    {"cmdgtavc", navigate("frmgtavccodepick")},
                    {"cmdgtasa", navigate("frmgtasacodepick")},
                    {"cmdexit", opens("frmgtagpexit")}};
    pick.closeBox = "cmdexit";
    add(all, pick);

    struct CodePickRow {
        const char* name;
        const char* weapon;
        const char* item;
        const char* vehicle;
        const char* back;
        const char* exit;
        const char* game;
    };
    const CodePickRow codePicks[] = {
        {"frmgta3codepick", "cmdgta3weapon", "cmdgta3item", "cmdgta3vehicle", "cmdgta3cpback",
         "cmdgta3cpexit", "3"},
        {"frmgtavccodepick", "cmdgtavcweapon", "cmdgtavcitem", "cmdgtavcvehicle", "cmdgtavcback",
         "cmdexit", "vc"},
        {"frmgtasacodepick", "cmdgtasaweapon", "cmdgtasaitem", "cmdgtasavehicle",
         "cmdbacktogtapick", "cmdexit", "sa"},
    };
    for (const CodePickRow& row : codePicks) {
        const QString game = QLatin1String(row.game);
        const QString prefix = game == "3" ? "frmgta3" : "frmgta" + game;
        WindowModel w = named(row.name, CodePick);
        const QString notAvailable = "frm" + game + "notavailable";
        w.buttons = {{row.weapon, {Effect::Op::Navigate, prefix + "weapon"}},
                     {row.item, {Effect::Op::Navigate, prefix + "item"}},
                     {row.vehicle, {Effect::Op::OpenDialog, notAvailable}},
                     // The GTA SA screen's "Back To GTA Pick" navigates like its twins.
                     {row.back, navigate("frmgtapick")},
                     {row.exit, {Effect::Op::OpenDialog, exitDialogOf(row.name)}}};
        w.closeBox = row.exit;
        add(all, w);

        WindowModel na = named(notAvailable, NotAvailable);
        na.buttons = {{"cmdclosewindow", closesTo(row.name)}};
        na.closeBox = "cmdclosewindow";
        add(all, na);
    }

    const QList<CreatorRow> creators = {
        {"frmgta3weapon", "lstgta3weapon", gta3WeaponCatalogue,
         QList<Input>{{"txtgta3weaponname", Field::CodeName}, {"txtgta3weaponammo", Field::Ammo}} +
             coordinates("txtgta3weaponx", "txtgta3weapony", "txtgta3weaponz"),
         "cmdgta3weapongeneratecode", "frmgta3weaponcode", "txtgta3weaponfinishedcode",
         "cmdbackgta3cp", "frmgta3codepick", "cmdbackgtapick"},
        {"frmgta3item", "lstitem", gta3ItemCatalogue,
         QList<Input>{{"txtgta3itemcodename", Field::CodeName}} +
             coordinates("txtgta3itemcoordx", "txtgta3itemcoordy", "txtgta3itemcoordz"),
         "cmdgta3itemgencode", "frmgta3itemfinished", "txtgta3itemfinishedcode",
         "cmdbacktogta3codepick", "frmgta3codepick", "cmdbacktogtapick"},
        {"frmgta3vehicle", "lstvehicle", gta3VehicleCatalogue,
         QList<Input>{{"txtcodename", Field::CodeName},
                      {"txtalarmpercent", Field::Alarm},
                      {"txtdoorlockpercent", Field::DoorLock},
                      {"txtangle", Field::Angle}} +
             coordinates("txtgta3vehiclex", "txtgta3vehicley", "txtgta3vehiclez"),
         "cmdgencode", "frmgta3vehiclefinished", "txtgta3vehiclefinishedcode", "cmdbacktogta3cp",
         "frmgta3codepick", "cmdbacktogtapick"},
        {"frmgtavcweapon", "lstgtavcweapon", vcWeaponCatalogue,
         QList<Input>{{"txtcodename", Field::CodeName}, {"txtammo", Field::Ammo}} +
             coordinates("txtx", "txty", "txtz"),
         "cmdgencode", "frmgtavcweaponfinished", "txtfinishedcode", "cmdbacktovccp",
         "frmgtavccodepick", "cmdbacktogtapick"},
        {"frmgtavcitem", "lstgtavcitem", vcItemCatalogue,
         QList<Input>{{"txtcodename", Field::CodeName}} + coordinates("txtx", "txty", "txtz"),
         "cmdgencode", "frmgtavcitemfinished", "txtgtavcitemfinishedcode", "cmdbacktovccp",
         "frmgtavccodepick", "cmdbacktogtapick"},
        // The door-lock box exists but the VC pair always carries door-lock 0.
        {"frmgtavcvehicle", "lstvehicle", vcVehicleCatalogue,
         QList<Input>{{"txtcodename", Field::CodeName},
                      {"txtalarmpercent", Field::Alarm},
                      {"txtdoorlock", Field::DoorLock},
                      {"txtangle", Field::Angle}} +
             coordinates("txtx", "txty", "txtz"),
         "cmdgencode", "frmgtavcvehiclefinished", "txtfinishedcode", "cmdbacktogtavccp",
         "frmgtavccodepick", "cmdbacktogtapick"},
        {"frmgtasaweapon", "lstgtasaweapon", saWeaponCatalogue,
         QList<Input>{{"txtcodename", Field::CodeName}, {"txtammo", Field::Ammo}} +
             coordinates("txtx", "txty", "txtz"),
         "cmdgencode", "frmgtasaweaponfinished", "txtfinishedcode", "cmdbacktogtasacodepick",
         "frmgtasacodepick", "cmdbacktogtapick"},
        {"frmgtasaitem", "lstgtasaitem", saItemCatalogue,
         QList<Input>{{"txtcodename", Field::CodeName}} + coordinates("txtx", "txty", "txtz"),
         "cmdgencode", "frmgtasaitemfinished", "txtgtasaitemfinishedcode", "cmdbacktogtasacp",
         "frmgtasacodepick", "cmdbacktogtapick"},
        {"frmgtasavehicle", "lstgtasavehicle", saVehicleList,
         QList<Input>{{"txtcodename", Field::CodeName},
                      {"txtalarmpercent", Field::Alarm},
                      {"txtdoorlock", Field::DoorLock},
                      {"txtangle", Field::Angle}} +
             coordinates("txtx", "txty", "txtz"),
         "cmdgencode", "frmgtasavehiclefinished", "txtgtasavehiclefinishedcode", "cmdbacktogtasacp",
         "frmgtasacodepick", "cmdbacktogtapick", false},
    };
    for (const CreatorRow& row : creators) {
        WindowModel w = named(row.name, Creator);
        w.list = row.list;
        w.catalogue = row.catalogue();
        w.inputs = row.inputs;
        w.generateButton = row.generateButton;
        w.result = row.result;
        w.resultBox = row.resultBox;
        w.assembles = row.assembles;
        w.buttons = {{row.generateButton, {Effect::Op::Generate, row.result}},
                     {row.backToCodePick, navigate(row.codePick)},
                     {row.backToGamePick, navigate("frmgtapick")},
                     {"cmdexit", {Effect::Op::OpenDialog, exitDialogOf(row.name)}}};
        w.closeBox = "cmdexit";
        if (w.input("txtangle"))
            w.unlockable = {"txtangle", "lblangle"};
        add(all, w);
    }

    const ResultRow results[] = {
        {"frmgta3weaponcode", "txtgta3weaponfinishedcode", "cmdbackgta3weapon", "frmgta3weapon",
         "cmdgta3codepickback", "frmgta3codepick"},
        {"frmgta3itemfinished", "txtgta3itemfinishedcode", "cmdbackgta3item", "frmgta3item",
         "cmdgta3codepickback", "frmgta3codepick"},
        {"frmgta3vehiclefinished", "txtgta3vehiclefinishedcode", "cmdbackgta3vehicle",
         "frmgta3vehicle", "cmdgta3codepickback", "frmgta3codepick"},
        {"frmgtavcweaponfinished", "txtfinishedcode", "cmdbackgtavcweapon", "frmgtavcweapon",
         "cmdgtavccodepickback", "frmgtavccodepick"},
        {"frmgtavcitemfinished", "txtgtavcitemfinishedcode", "cmdbackgtavcitem", "frmgtavcitem",
         "cmdgtavccodepickback", "frmgtavccodepick"},
        {"frmgtavcvehiclefinished", "txtfinishedcode", "cmdbackgtavcvehicle", "frmgtavcvehicle",
         "cmdgtavccodepickback", "frmgtavccodepick"},
        {"frmgtasaweaponfinished", "txtfinishedcode", "cmdbackgtasaweapon", "frmgtasaweapon",
         "cmdgtasacodepickback", "frmgtasacodepick"},
        {"frmgtasaitemfinished", "txtgtasaitemfinishedcode", "cmdbackgtasaitem", "frmgtasaitem",
         "cmdgtasacodepickback", "frmgtasacodepick"},
        {"frmgtasavehiclefinished", "txtgtasavehiclefinishedcode", "cmdbackgtasavehicle",
         "frmgtasavehicle", "cmdgtasacodepickback", "frmgtasacodepick"},
    };
    for (const ResultRow& row : results) {
        WindowModel w = named(row.name, Result);
        w.resultBox = row.box;
        w.buttons = {{row.backToCreator, navigate(row.creator)},
                     {row.backToCodePick, navigate(row.codePick)},
                     {"cmdbackgtapick", navigate("frmgtapick")},
                     {"cmdexit", {Effect::Op::OpenDialog, exitDialogOf(row.name)}}};
        w.closeBox = "cmdexit";
        add(all, w);
    }

    for (const char* name :
         {"frmaboutprogram", "frmaboutversion", "frmaboutcopyright", "frmthanks"}) {
        WindowModel w = named(name, Info);
        const QString close = QLatin1String(
            qstrcmp(name, "frmaboutprogram") == 0 ? "cmdclosethiswindow" : "cmdclosewindow");
        w.buttons = {{close, closesTo("frmgtapick")}};
        w.closeBox = close;
        add(all, w);
    }

    WindowModel composer = named("frmsendemail", Composer);
    composer.buttons = {{"cmdSend", {Effect::Op::Send, {}}},
                        {"cmdclosewindow", closesTo("frmgtapick")},
                        {"cmdexit", opens("frmemailexit")}};
    composer.closeBox = "cmdclosewindow";
    composer.editableBoxes = {"txtCc", "txtBcc", "txtBody"};
    composer.readOnlyBoxes = {"txtTo", "txtSubject"};
    add(all, composer);

    // Every window with an "Exit" button has its confirm-exit dialog, whose "No" unlocks it.
    const QList<WindowModel> callers = all.values();
    for (const WindowModel& caller : callers) {
        const Button* exit = nullptr;
        for (const Button& b : caller.buttons)
            if (b.effect.op == Effect::Op::OpenDialog && b.effect.target.endsWith("exit"))
                exit = &b;
        if (!exit)
            continue;
        WindowModel dialog = named(exit->effect.target, ExitDialog);
        dialog.buttons = {{"cmdyes", {Effect::Op::EndProgram, {}}},
                          {"cmdno", {Effect::Op::CloseDialog, caller.name}}};
        dialog.closeBox = "cmdno";
        add(all, dialog);
    }
    return all;
}

} // namespace detail

// Every window of the wizard, by name.
inline const QMap<QString, WindowModel>& windows() {
    static const QMap<QString, WindowModel> all = detail::build();
    return all;
}

inline const WindowModel& windowModel(const QString& name) {
    static const WindowModel none;
    const auto found = windows().find(name);
    return found == windows().end() ? none : *found;
}

inline bool isScreen(Kind kind) {
    return kind == Kind::Splash || kind == Kind::GamePick || kind == Kind::CodePick ||
           kind == Kind::Creator || kind == Kind::Result;
}

} // namespace spawnsmith::model
