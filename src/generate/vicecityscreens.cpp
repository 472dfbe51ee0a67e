#include "generate/gamescreens.h"

#include "core/catalogues.h"
#include "generate/creatorscreen.h"
#include "generate/resultscreen.h"

// The GTA Vice City creator screens and the result screens they fill.

namespace spawnsmith {
namespace {

const CreatorScreen weaponCreator{
    "frmgtavcweapon",
    "Spawnsmith | GTA VC Weapon Spawn Point Creator",
    6015,
    3645,
    "lstgtavcweapon",
    "GTA VC weapons",
    vcWeaponCatalogue(),
    "framecoord",
    {coordinate("txtx", Field::X), coordinate("txty", Field::Y), coordinate("txtz", Field::Z),
     codeName("txtcodename"), ammo("txtammo")},
    "cmdgencode",
    {{"cmdbacktovccp", "Back To GTA VC Code Pick", navigateTo("frmgtavccodepick")},
     {"cmdbacktogtapick", "Back To GTA Pick", navigateTo("frmgtapick")},
     {"cmdexit", "Exit", openDialog("frmgtavcweaponexit")}},
    "frmgtavcweaponfinished",
};

const ResultScreen weaponResult{
    "frmgtavcweaponfinished",
    "Spawnsmith | GTA VC Weapon Spawn Point Code",
    5910,
    2070,
    "txtfinishedcode",
    {{"cmdbackgtavcweapon", "Back To GTA VC Weapon Spawn Point Creator",
      navigateTo("frmgtavcweapon")},
     {"cmdgtavccodepickback", "Back To GTA VC Code Pick", navigateTo("frmgtavccodepick")},
     {"cmdbackgtapick", "Back To GTA Pick", navigateTo("frmgtapick")},
     {"cmdexit", "Exit", openDialog("frmgtavcweaponfinishedexit")}},
};

const CreatorScreen itemCreator{
    "frmgtavcitem",
    "Spawnsmith | GTA VC Item Spawn Point Creator",
    5700,
    3030,
    "lstgtavcitem",
    "GTA VC items",
    vcItemCatalogue(),
    "framecoord",
    {coordinate("txtx", Field::X), coordinate("txty", Field::Y), coordinate("txtz", Field::Z),
     codeName("txtcodename")},
    "cmdgencode",
    {{"cmdbacktovccp", "Back To GTA VC Code Pick", navigateTo("frmgtavccodepick")},
     {"cmdbacktogtapick", "Back To GTA Pick", navigateTo("frmgtapick")},
     {"cmdexit", "Exit", openDialog("frmgtavcitemexit")}},
    "frmgtavcitemfinished",
};

const ResultScreen itemResult{
    "frmgtavcitemfinished",
    "Spawnsmith | GTA VC Item Spawn Point Code",
    5520,
    2055,
    "txtgtavcitemfinishedcode",
    {{"cmdbackgtavcitem", "Back To GTA VC Item Spawn Point Creator", navigateTo("frmgtavcitem")},
     {"cmdgtavccodepickback", "Back To GTA VC Code Pick", navigateTo("frmgtavccodepick")},
     {"cmdbackgtapick", "Back To GTA Pick", navigateTo("frmgtapick")},
     {"cmdexit", "Exit", openDialog("frmgtavcitemfinishedexit")}},
};

const CreatorScreen vehicleCreator{
    "frmgtavcvehicle",
    "Spawnsmith | GTA VC Vehicle Spawn Point Creator",
    6105,
    4215,
    "lstvehicle",
    "GTA VC vehicles",
    vcVehicleCatalogue(),
    "framecoord",
    {coordinate("txtx", Field::X), coordinate("txty", Field::Y), coordinate("txtz", Field::Z),
     codeName("txtcodename"), alarm("lblalarm", "txtalarmpercent"),
     doorLock("lbldoorlock", "txtdoorlock",
              "Vice City parked cars are always generated with door-lock 0; this box is not read."),
     angle()},
    "cmdgencode",
    {{"cmdbacktogtavccp", "Back To GTA VC Code Pick", navigateTo("frmgtavccodepick")},
     {"cmdbacktogtapick", "Back To GTA Pick", navigateTo("frmgtapick")},
     {"cmdexit", "Exit", openDialog("frmgtavcvehicleexit")}},
    "frmgtavcvehiclefinished",
};

const ResultScreen vehicleResult{
    "frmgtavcvehiclefinished",
    "Spawnsmith | GTA VC Vehicle Spawn Point Code",
    5715,
    2070,
    "txtfinishedcode",
    {{"cmdbackgtavcvehicle", "Back To GTA VC Vehicle Spawn Point Creator",
      navigateTo("frmgtavcvehicle")},
     {"cmdgtavccodepickback", "Back To GTA VC Code Pick", navigateTo("frmgtavccodepick")},
     {"cmdbackgtapick", "Back To GTA Pick", navigateTo("frmgtapick")},
     {"cmdexit", "Exit", openDialog("frmgtavcvehiclefinishedexit")}},
};

} // namespace

void addViceCityScreens(Frame& frame) {
    for (const CreatorScreen* creator : {&weaponCreator, &itemCreator, &vehicleCreator})
        addCreatorScreen(frame, *creator);
    for (const ResultScreen* result : {&weaponResult, &itemResult, &vehicleResult})
        addResultScreen(frame, *result);
}

} // namespace spawnsmith
