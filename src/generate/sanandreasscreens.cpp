#include "generate/gamescreens.h"

#include "core/catalogues.h"
#include "generate/creatorscreen.h"
#include "generate/resultscreen.h"

// The GTA San Andreas creator screens and the result screens they fill.

namespace spawnsmith {
namespace {

const CreatorScreen weaponCreator{
    .id = WindowId::frmgtasaweapon,
    .caption = "Spawnsmith| GTA SA Weapon Spawn Point Creator",
    .widthTwips = 6465,
    .heightTwips = 3540,
    .list = "lstgtasaweapon",
    .listAccessibleName = "GTA SA weapons",
    .catalogue = saWeaponCatalogue(),
    .coordinatesFrame = "framecoord",
    .inputs = {coordinate("txtx", Field::X), coordinate("txty", Field::Y),
               coordinate("txtz", Field::Z), codeName("txtcodename"), ammo("txtammo")},
    .generateButton = "cmdgencode",
    .buttons = {{"cmdbacktogtasacodepick", "Back To GTA SA Code Pick",
                 navigateTo(WindowId::frmgtasacodepick)},
                {"cmdbacktogtapick", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
                {"cmdexit", "Exit", openDialog(WindowId::frmgtasaweaponexit),
                 ButtonRole::CloseBox}},
    .result = WindowId::frmgtasaweaponfinished,
};

const ResultScreen weaponResult{
    .id = WindowId::frmgtasaweaponfinished,
    .caption = "Spawnsmith | GTA SA Weapon Spawn Point Code",
    .widthTwips = 5895,
    .heightTwips = 2070,
    .box = "txtfinishedcode",
    .buttons = {{"cmdbackgtasaweapon", "Back To GTA SA Weapon Spawn Point Creator",
                 navigateTo(WindowId::frmgtasaweapon)},
                {"cmdgtasacodepickback", "Back To GTA SA Code Pick",
                 navigateTo(WindowId::frmgtasacodepick)},
                {"cmdbackgtapick", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
                {"cmdexit", "Exit", openDialog(WindowId::frmgtasaweaponfinishedexit),
                 ButtonRole::CloseBox}},
};

const CreatorScreen itemCreator{
    .id = WindowId::frmgtasaitem,
    .caption = "Spawnsmith | GTA SA Item Spawn Point Creator",
    .widthTwips = 5715,
    .heightTwips = 3030,
    .list = "lstgtasaitem",
    .listAccessibleName = "GTA SA items",
    .catalogue = saItemCatalogue(),
    .coordinatesFrame = "framecoord",
    .inputs = {coordinate("txtx", Field::X), coordinate("txty", Field::Y),
               coordinate("txtz", Field::Z), codeName("txtcodename")},
    .generateButton = "cmdgencode",
    .buttons = {{"cmdbacktogtasacp", "Back To GTA SA Code Pick",
                 navigateTo(WindowId::frmgtasacodepick)},
                {"cmdbacktogtapick", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
                {"cmdexit", "Exit", openDialog(WindowId::frmgtasaitemexit), ButtonRole::CloseBox}},
    .result = WindowId::frmgtasaitemfinished,
};

const ResultScreen itemResult{
    .id = WindowId::frmgtasaitemfinished,
    .caption = "Spawnsmith | GTA SA Item Spawn Point Code",
    .widthTwips = 5550,
    .heightTwips = 2085,
    .box = "txtgtasaitemfinishedcode",
    .buttons = {{"cmdbackgtasaitem", "Back To GTA SA Item Spawn Point Creator",
                 navigateTo(WindowId::frmgtasaitem)},
                {"cmdgtasacodepickback", "Back To GTA SA Code Pick",
                 navigateTo(WindowId::frmgtasacodepick)},
                {"cmdbackgtapick", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
                {"cmdexit", "Exit", openDialog(WindowId::frmgtasaitemfinishedexit),
                 ButtonRole::CloseBox}},
};

// Built and registered although no path from the game-pick screen reaches it: its code-pick
// screen's "Create Vehicle Spawn Point" opens the not-available window instead. Its own result
// screen's first button leads back here, so the pair is complete.
const CreatorScreen vehicleCreator{
    .id = WindowId::frmgtasavehicle,
    .caption = "Spawnsmith | GTA SA Vehicle Spawn Point Creator",
    .widthTwips = 6555,
    .heightTwips = 4485,
    .list = "lstgtasavehicle",
    .listAccessibleName = "GTA SA vehicles",
    .catalogue = saVehicleList(),
    .coordinatesFrame = "framecoord",
    .inputs = {coordinate("txtx", Field::X), coordinate("txty", Field::Y),
               coordinate("txtz", Field::Z), codeName("txtcodename"),
               alarm("lblalarmpercent", "txtalarmpercent"), doorLock("lbldoorlock", "txtdoorlock"),
               angle()},
    .generateButton = "cmdgencode",
    .buttons = {{"cmdbacktogtasacp", "Back To GTA SA Code Pick",
                 navigateTo(WindowId::frmgtasacodepick)},
                {"cmdbacktogtapick", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
                {"cmdexit", "Exit", openDialog(WindowId::frmgtasavehicleexit),
                 ButtonRole::CloseBox}},
    .result = WindowId::frmgtasavehiclefinished,
    .generation = Generation::ShowResultOnly,
};

const ResultScreen vehicleResult{
    .id = WindowId::frmgtasavehiclefinished,
    .caption = "Spawnsmith | GTA SA Vehicle Spawn Point Code",
    .widthTwips = 5715,
    .heightTwips = 2115,
    .box = "txtgtasavehiclefinishedcode",
    .buttons = {{"cmdbackgtasavehicle", "Back To GTA SA Vehicle Spawn Point Creator",
                 navigateTo(WindowId::frmgtasavehicle)},
                {"cmdgtasacodepickback", "Back To GTA SA Code Pick",
                 navigateTo(WindowId::frmgtasacodepick)},
                {"cmdbackgtapick", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
                {"cmdexit", "Exit", openDialog(WindowId::frmgtasavehiclefinishedexit),
                 ButtonRole::CloseBox}},
};

} // namespace

void addSanAndreasScreens(Frame& frame) {
    for (const CreatorScreen* creator : {&weaponCreator, &itemCreator, &vehicleCreator})
        addCreatorScreen(frame, *creator);
    for (const ResultScreen* result : {&weaponResult, &itemResult, &vehicleResult})
        addResultScreen(frame, *result);
}

} // namespace spawnsmith
