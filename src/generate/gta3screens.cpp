#include "generate/gamescreens.h"

#include "core/catalogues.h"
#include "generate/creatorscreen.h"
#include "generate/resultscreen.h"

// The GTA3 creator screens and the result screens they fill.

namespace spawnsmith {
namespace {

const CreatorScreen weaponCreator{
    .id = WindowId::frmgta3weapon,
    .caption = "Spawnsmith | GTA3 Weapon Spawn Point Creator",
    .widthTwips = 5865,
    .heightTwips = 3570,
    .list = "lstgta3weapon",
    .listAccessibleName = "GTA3 weapons",
    .catalogue = gta3WeaponCatalogue(),
    .coordinatesFrame = "framegta3coord",
    .inputs = {coordinate("txtgta3weaponx", Field::X), coordinate("txtgta3weapony", Field::Y),
               coordinate("txtgta3weaponz", Field::Z), codeName("txtgta3weaponname"),
               ammo("txtgta3weaponammo")},
    .generateButton = "cmdgta3weapongeneratecode",
    .buttons = {{"cmdbackgta3cp", "Back To GTA3 Code Pick", navigateTo(WindowId::frmgta3codepick)},
                {"cmdbackgtapick", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
                {"cmdexit", "Exit", openDialog(WindowId::frmgta3weaponexit), ButtonRole::CloseBox}},
    .result = WindowId::frmgta3weaponcode,
};

const ResultScreen weaponResult{
    .id = WindowId::frmgta3weaponcode,
    .caption = "Spawnsmith | GTA3 Weapon Spawn Point Code",
    .widthTwips = 5595,
    .heightTwips = 2100,
    .box = "txtgta3weaponfinishedcode",
    .buttons = {{"cmdbackgta3weapon", "Back To GTA3 Weapon Spawn Point Creator",
                 navigateTo(WindowId::frmgta3weapon)},
                {"cmdgta3codepickback", "Back To GTA3 Code Pick",
                 navigateTo(WindowId::frmgta3codepick)},
                {"cmdbackgtapick", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
                {"cmdexit", "Exit", openDialog(WindowId::frmgta3weaponfinishedexit),
                 ButtonRole::CloseBox}},
};

const CreatorScreen itemCreator{
    .id = WindowId::frmgta3item,
    .caption = "Spawnsmith | GTA3 Item Spawn Point Creator",
    .widthTwips = 5535,
    .heightTwips = 3015,
    .list = "lstitem",
    .listAccessibleName = "GTA3 items",
    .catalogue = gta3ItemCatalogue(),
    .coordinatesFrame = "framegta3itemcoord",
    .inputs = {coordinate("txtgta3itemcoordx", Field::X), coordinate("txtgta3itemcoordy", Field::Y),
               coordinate("txtgta3itemcoordz", Field::Z), codeName("txtgta3itemcodename")},
    .generateButton = "cmdgta3itemgencode",
    .buttons = {{"cmdbacktogta3codepick", "Back To GTA3 Code Pick",
                 navigateTo(WindowId::frmgta3codepick)},
                {"cmdbacktogtapick", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
                {"cmdexit", "Exit", openDialog(WindowId::frmgta3itemexit), ButtonRole::CloseBox}},
    .result = WindowId::frmgta3itemfinished,
};

const ResultScreen itemResult{
    .id = WindowId::frmgta3itemfinished,
    .caption = "Spawnsmith | GTA3 Item Spawn Point Code",
    .widthTwips = 5595,
    .heightTwips = 2115,
    .box = "txtgta3itemfinishedcode",
    .buttons = {{"cmdbackgta3item", "Back To GTA3 Item Spawn Point Creator",
                 navigateTo(WindowId::frmgta3item)},
                {"cmdgta3codepickback", "Back To GTA3 Code Pick",
                 navigateTo(WindowId::frmgta3codepick)},
                {"cmdbackgtapick", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
                {"cmdexit", "Exit", openDialog(WindowId::frmgta3itemfinishedexit),
                 ButtonRole::CloseBox}},
    .buttonsFirstInTabOrder = true,
};

// Built and registered although no path from the game-pick screen reaches it: its code-pick
// screen's "Create Vehicle Spawn Point" opens the not-available window instead. Its own result
// screen's first button leads back here, so the pair is complete.
const CreatorScreen vehicleCreator{
    .id = WindowId::frmgta3vehicle,
    .caption = "Spawnsmith | GTA3 Vehicle Spawn Point Creator",
    .widthTwips = 6135,
    .heightTwips = 4500,
    .list = "lstvehicle",
    .listAccessibleName = "GTA3 vehicles",
    .catalogue = gta3VehicleCatalogue(),
    .coordinatesFrame = "framecoord",
    .inputs = {coordinate("txtgta3vehiclex", Field::X), coordinate("txtgta3vehicley", Field::Y),
               coordinate("txtgta3vehiclez", Field::Z), codeName("txtcodename"),
               alarm("lblcaralarmpercent", "txtalarmpercent"),
               doorLock("lbldoorlockpercent", "txtdoorlockpercent"), angle()},
    .generateButton = "cmdgencode",
    .buttons = {{"cmdbacktogta3cp", "Back To GTA3 Code Pick",
                 navigateTo(WindowId::frmgta3codepick)},
                {"cmdbacktogtapick", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
                {"cmdexit", "Exit", openDialog(WindowId::frmgta3vehicleexit),
                 ButtonRole::CloseBox}},
    .result = WindowId::frmgta3vehiclefinished,
};

const ResultScreen vehicleResult{
    .id = WindowId::frmgta3vehiclefinished,
    .caption = "Spawnsmith | GTA3 Vehicle Spawn Point Code",
    .widthTwips = 5595,
    .heightTwips = 2100,
    .box = "txtgta3vehiclefinishedcode",
    .buttons = {{"cmdbackgta3vehicle", "Back To GTA3 Vehicle Spawn Point Creator",
                 navigateTo(WindowId::frmgta3vehicle)},
                {"cmdgta3codepickback", "Back To GTA3 Code Pick",
                 navigateTo(WindowId::frmgta3codepick)},
                {"cmdbackgtapick", "Back To GTA Pick", navigateTo(WindowId::frmgtapick)},
                {"cmdexit", "Exit", openDialog(WindowId::frmgta3vehiclefinishedexit),
                 ButtonRole::CloseBox}},
    .buttonsFirstInTabOrder = true,
};

} // namespace

void addGta3Screens(Frame& frame) {
    for (const CreatorScreen* creator : {&weaponCreator, &itemCreator, &vehicleCreator})
        addCreatorScreen(frame, *creator);
    for (const ResultScreen* result : {&weaponResult, &itemResult, &vehicleResult})
        addResultScreen(frame, *result);
}

} // namespace spawnsmith
