#include "generate/gamescreens.h"

#include "core/catalogues.h"
#include "generate/creatorscreen.h"
#include "generate/resultscreen.h"

// The GTA San Andreas creator screens and the result screens they fill.

namespace spawnsmith {
namespace {

const CreatorScreen weaponCreator{
    "frmgtasaweapon",
    "Spawnsmith| GTA SA Weapon Spawn Point Creator",
    6465,
    3540,
    "lstgtasaweapon",
    "GTA SA weapons",
    saWeaponCatalogue(),
    "framecoord",
    {coordinate("txtx", Field::X), coordinate("txty", Field::Y), coordinate("txtz", Field::Z),
     codeName("txtcodename"), ammo("txtammo")},
    "cmdgencode",
    {{"cmdbacktogtasacodepick", "Back To GTA SA Code Pick", navigateTo("frmgtasacodepick")},
     {"cmdbacktogtapick", "Back To GTA Pick", navigateTo("frmgtapick")},
     {"cmdexit", "Exit", openDialog("frmgtasaweaponexit")}},
    "frmgtasaweaponfinished",
};

const ResultScreen weaponResult{
    "frmgtasaweaponfinished",
    "Spawnsmith | GTA SA Weapon Spawn Point Code",
    5895,
    2070,
    "txtfinishedcode",
    {{"cmdbackgtasaweapon", "Back To GTA SA Weapon Spawn Point Creator",
      navigateTo("frmgtasaweapon")},
     {"cmdgtasacodepickback", "Back To GTA SA Code Pick", navigateTo("frmgtasacodepick")},
     {"cmdbackgtapick", "Back To GTA Pick", navigateTo("frmgtapick")},
     {"cmdexit", "Exit", openDialog("frmgtasaweaponfinishedexit")}},
};

const CreatorScreen itemCreator{
    "frmgtasaitem",
    "Spawnsmith | GTA SA Item Spawn Point Creator",
    5715,
    3030,
    "lstgtasaitem",
    "GTA SA items",
    saItemCatalogue(),
    "framecoord",
    {coordinate("txtx", Field::X), coordinate("txty", Field::Y), coordinate("txtz", Field::Z),
     codeName("txtcodename")},
    "cmdgencode",
    {{"cmdbacktogtasacp", "Back To GTA SA Code Pick", navigateTo("frmgtasacodepick")},
     {"cmdbacktogtapick", "Back To GTA Pick", navigateTo("frmgtapick")},
     {"cmdexit", "Exit", openDialog("frmgtasaitemexit")}},
    "frmgtasaitemfinished",
};

const ResultScreen itemResult{
    "frmgtasaitemfinished",
    "Spawnsmith | GTA SA Item Spawn Point Code",
    5550,
    2085,
    "txtgtasaitemfinishedcode",
    {{"cmdbackgtasaitem", "Back To GTA SA Item Spawn Point Creator", navigateTo("frmgtasaitem")},
     {"cmdgtasacodepickback", "Back To GTA SA Code Pick", navigateTo("frmgtasacodepick")},
     {"cmdbackgtapick", "Back To GTA Pick", navigateTo("frmgtapick")},
     {"cmdexit", "Exit", openDialog("frmgtasaitemfinishedexit")}},
};

const CreatorScreen vehicleCreator{
    "frmgtasavehicle",
    "Spawnsmith | GTA SA Vehicle Spawn Point Creator",
    6555,
    4485,
    "lstgtasavehicle",
    "GTA SA vehicles",
    saVehicleList(),
    "framecoord",
    {coordinate("txtx", Field::X), coordinate("txty", Field::Y), coordinate("txtz", Field::Z),
     codeName("txtcodename"), alarm("lblalarmpercent", "txtalarmpercent"),
     doorLock("lbldoorlock", "txtdoorlock"), angle()},
    "cmdgencode",
    {{"cmdbacktogtasacp", "Back To GTA SA Code Pick", navigateTo("frmgtasacodepick")},
     {"cmdbacktogtapick", "Back To GTA Pick", navigateTo("frmgtapick")},
     {"cmdexit", "Exit", openDialog("frmgtasavehicleexit")}},
    "frmgtasavehiclefinished",
    Generation::ShowResultOnly,
};

const ResultScreen vehicleResult{
    "frmgtasavehiclefinished",
    "Spawnsmith | GTA SA Vehicle Spawn Point Code",
    5715,
    2115,
    "txtgtasavehiclefinishedcode",
    {{"cmdbackgtasavehicle", "Back To GTA SA Vehicle Spawn Point Creator",
      navigateTo("frmgtasavehicle")},
     {"cmdgtasacodepickback", "Back To GTA SA Code Pick", navigateTo("frmgtasacodepick")},
     {"cmdbackgtapick", "Back To GTA Pick", navigateTo("frmgtapick")},
     {"cmdexit", "Exit", openDialog("frmgtasavehiclefinishedexit")}},
};

} // namespace

void addSanAndreasScreens(Frame& frame) {
    for (const CreatorScreen* creator : {&weaponCreator, &itemCreator, &vehicleCreator})
        addCreatorScreen(frame, *creator);
    for (const ResultScreen* result : {&weaponResult, &itemResult, &vehicleResult})
        addResultScreen(frame, *result);
}

} // namespace spawnsmith
