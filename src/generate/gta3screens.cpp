#include "generate/gamescreens.h"

#include "core/catalogues.h"
#include "generate/creatorscreen.h"
#include "generate/resultscreen.h"

// The GTA3 creator screens and the result screens they fill.

namespace spawnsmith {
namespace {

const CreatorScreen weaponCreator{
    "frmgta3weapon",
    "Spawnsmith | GTA3 Weapon Spawn Point Creator",
    5865,
    3570,
    "lstgta3weapon",
    "GTA3 weapons",
    gta3WeaponCatalogue(),
    "framegta3coord",
    {coordinate("txtgta3weaponx", Field::X), coordinate("txtgta3weapony", Field::Y),
     coordinate("txtgta3weaponz", Field::Z), codeName("txtgta3weaponname"),
     ammo("txtgta3weaponammo")},
    "cmdgta3weapongeneratecode",
    {{"cmdbackgta3cp", "Back To GTA3 Code Pick", navigateTo("frmgta3codepick")},
     {"cmdbackgtapick", "Back To GTA Pick", navigateTo("frmgtapick")},
     {"cmdexit", "Exit", openDialog("frmgta3weaponexit")}},
    "frmgta3weaponcode",
};

const ResultScreen weaponResult{
    "frmgta3weaponcode",
    "Spawnsmith | GTA3 Weapon Spawn Point Code",
    5595,
    2100,
    "txtgta3weaponfinishedcode",
    {{"cmdbackgta3weapon", "Back To GTA3 Weapon Spawn Point Creator", navigateTo("frmgta3weapon")},
     {"cmdgta3codepickback", "Back To GTA3 Code Pick", navigateTo("frmgta3codepick")},
     {"cmdbackgtapick", "Back To GTA Pick", navigateTo("frmgtapick")},
     {"cmdexit", "Exit", openDialog("frmgta3weaponfinishedexit")}},
};

const CreatorScreen itemCreator{
    "frmgta3item",
    "Spawnsmith | GTA3 Item Spawn Point Creator",
    5535,
    3015,
    "lstitem",
    "GTA3 items",
    gta3ItemCatalogue(),
    "framegta3itemcoord",
    {coordinate("txtgta3itemcoordx", Field::X), coordinate("txtgta3itemcoordy", Field::Y),
     coordinate("txtgta3itemcoordz", Field::Z), codeName("txtgta3itemcodename")},
    "cmdgta3itemgencode",
    {{"cmdbacktogta3codepick", "Back To GTA3 Code Pick", navigateTo("frmgta3codepick")},
     {"cmdbacktogtapick", "Back To GTA Pick", navigateTo("frmgtapick")},
     {"cmdexit", "Exit", openDialog("frmgta3itemexit")}},
    "frmgta3itemfinished",
};

const ResultScreen itemResult{
    "frmgta3itemfinished",
    "Spawnsmith | GTA3 Item Spawn Point Code",
    5595,
    2115,
    "txtgta3itemfinishedcode",
    {{"cmdbackgta3item", "Back To GTA3 Item Spawn Point Creator", navigateTo("frmgta3item")},
     {"cmdgta3codepickback", "Back To GTA3 Code Pick", navigateTo("frmgta3codepick")},
     {"cmdbackgtapick", "Back To GTA Pick", navigateTo("frmgtapick")},
     {"cmdexit", "Exit", openDialog("frmgta3itemfinishedexit")}},
    true,
};

const CreatorScreen vehicleCreator{
    "frmgta3vehicle",
    "Spawnsmith | GTA3 Vehicle Spawn Point Creator",
    6135,
    4500,
    "lstvehicle",
    "GTA3 vehicles",
    gta3VehicleCatalogue(),
    "framecoord",
    {coordinate("txtgta3vehiclex", Field::X), coordinate("txtgta3vehicley", Field::Y),
     coordinate("txtgta3vehiclez", Field::Z), codeName("txtcodename"),
     alarm("lblcaralarmpercent", "txtalarmpercent"),
     doorLock("lbldoorlockpercent", "txtdoorlockpercent"), angle()},
    "cmdgencode",
    {{"cmdbacktogta3cp", "Back To GTA3 Code Pick", navigateTo("frmgta3codepick")},
     {"cmdbacktogtapick", "Back To GTA Pick", navigateTo("frmgtapick")},
     {"cmdexit", "Exit", openDialog("frmgta3vehicleexit")}},
    "frmgta3vehiclefinished",
};

const ResultScreen vehicleResult{
    "frmgta3vehiclefinished",
    "Spawnsmith | GTA3 Vehicle Spawn Point Code",
    5595,
    2100,
    "txtgta3vehiclefinishedcode",
    {{"cmdbackgta3vehicle", "Back To GTA3 Vehicle Spawn Point Creator",
      navigateTo("frmgta3vehicle")},
     {"cmdgta3codepickback", "Back To GTA3 Code Pick", navigateTo("frmgta3codepick")},
     {"cmdbackgtapick", "Back To GTA Pick", navigateTo("frmgtapick")},
     {"cmdexit", "Exit", openDialog("frmgta3vehiclefinishedexit")}},
    true,
};

} // namespace

void addGta3Screens(Frame& frame) {
    for (const CreatorScreen* creator : {&weaponCreator, &itemCreator, &vehicleCreator})
        addCreatorScreen(frame, *creator);
    for (const ResultScreen* result : {&weaponResult, &itemResult, &vehicleResult})
        addResultScreen(frame, *result);
}

} // namespace spawnsmith
