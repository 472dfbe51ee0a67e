#include "app/lockout/lockoutsets.h"

#include "app/window.h"

#include <map>

namespace spawnsmith {
namespace {

const std::map<WindowId, QStringList>& sets() {
    static const std::map<WindowId, QStringList> table = {
        {WindowId::frmgtapick,
         {"cmdgta3", "cmdgtavc", "cmdgtasa", "cmdexit", "mnuabout", "mnuthanks", "mnucontact",
          "mnuweb"}},
        {WindowId::frmsendemail,
         {"txtTo", "txtCc", "txtBcc", "txtSubject", "txtBody", "cmdSend", "cmdclosewindow",
          "cmdexit"}},
        {WindowId::frmgta3codepick,
         {"cmdgta3weapon", "cmdgta3item", "cmdgta3vehicle", "cmdgta3cpback", "cmdgta3cpexit"}},
        {WindowId::frmgta3weapon,
         {"framegta3coord", "lstgta3weapon", "txtgta3weaponx", "txtgta3weapony", "txtgta3weaponz",
          "txtgta3weaponname", "txtgta3weaponammo", "cmdgta3weapongeneratecode", "cmdbackgta3cp",
          "cmdbackgtapick", "cmdexit", "lblx", "lbly", "lblz", "lblcodename", "lblammo"}},
        {WindowId::frmgta3weaponcode,
         {"txtgta3weaponfinishedcode", "cmdbackgta3weapon", "cmdgta3codepickback", "cmdbackgtapick",
          "cmdexit"}},
        {WindowId::frmgta3item,
         {"lstitem", "txtgta3itemcoordx", "txtgta3itemcoordy", "txtgta3itemcoordz",
          "txtgta3itemcodename", "cmdgta3itemgencode", "cmdbacktogta3codepick", "cmdbacktogtapick",
          "cmdexit", "framegta3itemcoord", "lblx", "lbly", "lblz", "lblcodename"}},
        {WindowId::frmgta3itemfinished,
         {"txtgta3itemfinishedcode", "cmdbackgta3item", "cmdgta3codepickback", "cmdbackgtapick",
          "cmdexit"}},
        {WindowId::frmgta3vehicle,
         {"lstvehicle", "framecoord", "txtgta3vehiclex", "txtgta3vehicley", "txtgta3vehiclez",
          "lblx", "lbly", "lblz", "lblcodename", "lblcaralarmpercent", "lbldoorlockpercent",
          "txtcodename", "txtalarmpercent", "txtdoorlockpercent", "cmdgencode", "cmdbacktogta3cp",
          "cmdbacktogtapick", "cmdexit"}},
        {WindowId::frmgta3vehiclefinished,
         {"txtgta3vehiclefinishedcode", "cmdbackgta3vehicle", "cmdgta3codepickback",
          "cmdbackgtapick", "cmdexit"}},
        {WindowId::frmgtavccodepick,
         {"cmdgtavcweapon", "cmdgtavcitem", "cmdgtavcvehicle", "cmdgtavcback", "cmdexit"}},
        {WindowId::frmgtavcweapon,
         {"lstgtavcweapon", "framecoord", "txtx", "txty", "txtz", "lblx", "lbly", "lblz",
          "lblcodename", "lblammo", "txtcodename", "txtammo", "cmdgencode", "cmdbacktovccp",
          "cmdbacktogtapick", "cmdexit"}},
        {WindowId::frmgtavcweaponfinished,
         {"txtfinishedcode", "cmdbackgtavcweapon", "cmdgtavccodepickback", "cmdbackgtapick",
          "cmdexit"}},
        {WindowId::frmgtavcitem,
         {"lstgtavcitem", "framecoord", "txtx", "txty", "txtz", "lblx", "lbly", "lblz",
          "lblcodename", "txtcodename", "cmdgencode", "cmdbacktogtapick", "cmdbacktovccp",
          "cmdexit"}},
        {WindowId::frmgtavcitemfinished,
         {"txtgtavcitemfinishedcode", "cmdbackgtavcitem", "cmdgtavccodepickback", "cmdbackgtapick",
          "cmdexit"}},
        {WindowId::frmgtavcvehicle,
         {"lstvehicle", "framecoord", "txtx", "txty", "txtz", "lblx", "lbly", "lblz", "lblcodename",
          "lblalarm", "lbldoorlock", "txtcodename", "txtalarmpercent", "txtdoorlock", "cmdgencode",
          "cmdbacktogtavccp", "cmdbacktogtapick", "cmdexit"}},
        {WindowId::frmgtavcvehiclefinished,
         {"txtfinishedcode", "cmdbackgtavcvehicle", "cmdgtavccodepickback", "cmdbackgtapick",
          "cmdexit"}},
        {WindowId::frmgtasacodepick,
         {"cmdgtasaweapon", "cmdgtasaitem", "cmdgtasavehicle", "cmdbacktogtapick", "cmdexit"}},
        {WindowId::frmgtasaweapon,
         {"lstgtasaweapon", "framecoord", "txtx", "txty", "txtz", "lblx", "lbly", "lblz",
          "lblcodename", "lblammo", "txtcodename", "txtammo", "cmdgencode",
          "cmdbacktogtasacodepick", "cmdbacktogtapick", "cmdexit"}},
        {WindowId::frmgtasaweaponfinished,
         {"txtfinishedcode", "cmdbackgtasaweapon", "cmdgtasacodepickback", "cmdbackgtapick",
          "cmdexit"}},
        {WindowId::frmgtasaitem,
         {"lstgtasaitem", "framecoord", "txtx", "txty", "txtz", "lblx", "lbly", "lblz",
          "lblcodename", "txtcodename", "cmdgencode", "cmdbacktogtasacp", "cmdbacktogtapick",
          "cmdexit"}},
        {WindowId::frmgtasaitemfinished,
         {"txtgtasaitemfinishedcode", "cmdbackgtasaitem", "cmdgtasacodepickback", "cmdbackgtapick",
          "cmdexit"}},
        {WindowId::frmgtasavehicle,
         {"lstgtasavehicle", "framecoord", "txtx", "txty", "txtz", "lblx", "lbly", "lblz",
          "lblcodename", "txtcodename", "txtalarmpercent", "lblalarmpercent", "lbldoorlock",
          "txtdoorlock", "cmdgencode", "cmdbacktogtasacp", "cmdbacktogtapick", "cmdexit"}},
        {WindowId::frmgtasavehiclefinished,
         {"txtgtasavehiclefinishedcode", "cmdbackgtasavehicle", "cmdgtasacodepickback",
          "cmdbackgtapick", "cmdexit"}},
    };
    return table;
}

} // namespace

QStringList lockOutSet(WindowId window) {
    const auto found = sets().find(window);
    return found == sets().end() ? QStringList() : found->second;
}

std::vector<WindowId> windowsWithLockOutSets() {
    std::vector<WindowId> ids;
    for (const auto& entry : sets())
        ids.push_back(entry.first);
    return ids;
}

void attachLockOutSet(Window& window) {
    QList<QObject*> controls;
    for (const QString& name : lockOutSet(window.id())) {
        QObject* control = window.findChild<QObject*>(name);
        // A name without a control is a mistake in the table above; every window is built by
        // the test suites, so it is caught there rather than at a user's press.
        if (!control)
            qFatal("the lock-out set of %s names %s, which the window does not have",
                   qPrintable(window.objectName()), qPrintable(name));
        controls.append(control);
    }
    window.setLockOutSet(controls);
}

} // namespace spawnsmith
