#pragma once

#include "core/catalogue.h"

namespace spawnsmith {

// The catalogues behind the creator screens' lists, one per game and kind of spawn point.
// Row index = list position.
Catalogue gta3WeaponCatalogue();
Catalogue gta3ItemCatalogue();
Catalogue gta3VehicleCatalogue();
Catalogue vcWeaponCatalogue();
Catalogue vcItemCatalogue();
Catalogue vcVehicleCatalogue();
Catalogue saWeaponCatalogue();
Catalogue saItemCatalogue();
Catalogue saVehicleList(); // names only: the San Andreas vehicle screen assembles nothing

} // namespace spawnsmith
