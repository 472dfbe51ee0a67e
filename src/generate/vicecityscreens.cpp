#include "generate/gamescreens.h"

#include "core/catalogues.h"
#include "generate/creatorscreen.h"
#include "generate/resultscreen.h"

// The GTA Vice City creator screens and the result screens they fill.

namespace spawnsmith {
namespace {

const CreatorScreen weaponCreator{
    .id = WindowId::frmgtavcweapon,
    .caption = "Spawnsmith | GTA VC Weapon Spawn Point Creator",
    .widthTwips = 6015,
    .heightTwips = 3645,
    .list = "lstgtavcweapon",
    .listAccessibleName = "GTA VC weapons",
    .catalogue = vcWeaponCatalogue(),
    .coordinatesFrame = "framecoord",
    .inputs = {coordinate("txtx", Field::X), coordinate("txty", Field::Y),
               coordinate("txtz", Field::Z), codeName("txtcodename"), ammo("txtammo")},
    .generateButton = "cmdgencode",
    .buttons = {{"cmdbacktovccp", "Back To GTA VC Code Pick",
                 navigateTo(WindowId::frmgtavccodepick)},
                {"cmdbacktogtapick", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
                {"cmdexit", "Exit", openDialog(WindowId::frmgtavcweaponexit),
                 ButtonRole::CloseBox}},
    .result = WindowId::frmgtavcweaponfinished,
};

const ResultScreen weaponResult{
    .id = WindowId::frmgtavcweaponfinished,
    .caption = "Spawnsmith | GTA VC Weapon Spawn Point Code",
    .widthTwips = 5910,
    .heightTwips = 2070,
    .box = "txtfinishedcode",
    .buttons = {{"cmdbackgtavcweapon", "Back To GTA VC Weapon Spawn Point Creator",
                 navigateTo(WindowId::frmgtavcweapon)},
                {"cmdgtavccodepickback", "Back To GTA VC Code Pick",
                 navigateTo(WindowId::frmgtavccodepick)},
                {"cmdbackgtapick", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
                {"cmdexit", "Exit", openDialog(WindowId::frmgtavcweaponfinishedexit),
                 ButtonRole::CloseBox}},
};

const CreatorScreen itemCreator{
    .id = WindowId::frmgtavcitem,
    .caption = "Spawnsmith | GTA VC Item Spawn Point Creator",
    .widthTwips = 5700,
    .heightTwips = 3030,
    .list = "lstgtavcitem",
    .listAccessibleName = "GTA VC items",
    .catalogue = vcItemCatalogue(),
    .coordinatesFrame = "framecoord",
    .inputs = {coordinate("txtx", Field::X), coordinate("txty", Field::Y),
               coordinate("txtz", Field::Z), codeName("txtcodename")},
    .generateButton = "cmdgencode",
    .buttons = {{"cmdbacktovccp", "Back To GTA VC Code Pick",
                 navigateTo(WindowId::frmgtavccodepick)},
                {"cmdbacktogtapick", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
                {"cmdexit", "Exit", openDialog(WindowId::frmgtavcitemexit), ButtonRole::CloseBox}},
    .result = WindowId::frmgtavcitemfinished,
};

const ResultScreen itemResult{
    .id = WindowId::frmgtavcitemfinished,
    .caption = "Spawnsmith | GTA VC Item Spawn Point Code",
    .widthTwips = 5520,
    .heightTwips = 2055,
    .box = "txtgtavcitemfinishedcode",
    .buttons = {{"cmdbackgtavcitem", "Back To GTA VC Item Spawn Point Creator",
                 navigateTo(WindowId::frmgtavcitem)},
                {"cmdgtavccodepickback", "Back To GTA VC Code Pick",
                 navigateTo(WindowId::frmgtavccodepick)},
                {"cmdbackgtapick", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
                {"cmdexit", "Exit", openDialog(WindowId::frmgtavcitemfinishedexit),
                 ButtonRole::CloseBox}},
};

// Built and registered although no path from the game-pick screen reaches it: its code-pick
// screen's "Create Vehicle Spawn Point" opens the not-available window instead. Its own result
// screen's first button leads back here, so the pair is complete.
const CreatorScreen vehicleCreator{
    .id = WindowId::frmgtavcvehicle,
    .caption = "Spawnsmith | GTA VC Vehicle Spawn Point Creator",
    .widthTwips = 6105,
    .heightTwips = 4215,
    .list = "lstvehicle",
    .listAccessibleName = "GTA VC vehicles",
    .catalogue = vcVehicleCatalogue(),
    .coordinatesFrame = "framecoord",
    .inputs =
        {coordinate("txtx", Field::X), coordinate("txty", Field::Y), coordinate("txtz", Field::Z),
         codeName("txtcodename"), alarm("lblalarm", "txtalarmpercent"),
         doorLock(
             "lbldoorlock", "txtdoorlock",
             "Vice City parked cars are always generated with door-lock 0; this box is not read."),
         angle()},
    .generateButton = "cmdgencode",
    .buttons = {{"cmdbacktogtavccp", "Back To GTA VC Code Pick",
                 navigateTo(WindowId::frmgtavccodepick)},
                {"cmdbacktogtapick", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
                {"cmdexit", "Exit", openDialog(WindowId::frmgtavcvehicleexit),
                 ButtonRole::CloseBox}},
    .result = WindowId::frmgtavcvehiclefinished,
};

const ResultScreen vehicleResult{
    .id = WindowId::frmgtavcvehiclefinished,
    .caption = "Spawnsmith | GTA VC Vehicle Spawn Point Code",
    .widthTwips = 5715,
    .heightTwips = 2070,
    .box = "txtfinishedcode",
    .buttons = {{"cmdbackgtavcvehicle", "Back To GTA VC Vehicle Spawn Point Creator",
                 navigateTo(WindowId::frmgtavcvehicle)},
                {"cmdgtavccodepickback", "Back To GTA VC Code Pick",
                 navigateTo(WindowId::frmgtavccodepick)},
                {"cmdbackgtapick", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
                {"cmdexit", "Exit", openDialog(WindowId::frmgtavcvehiclefinishedexit),
                 ButtonRole::CloseBox}},
};

} // namespace

void addViceCityScreens(Frame& frame) {
    for (const CreatorScreen* creator : {&weaponCreator, &itemCreator, &vehicleCreator})
        addCreatorScreen(frame, *creator);
    for (const ResultScreen* result : {&weaponResult, &itemResult, &vehicleResult})
        addResultScreen(frame, *result);
}

} // namespace spawnsmith
