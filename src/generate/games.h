#pragma once

#include "generate/catalogue.h"

namespace spawnsmith {

class Frame;

// Each game's creator and result screens, registered with the frame.
void addGta3Windows(Frame& frame);
void addVcWindows(Frame& frame);
void addSaWindows(Frame& frame);

// The catalogues behind the creator screens' lists, row index = list position.
Catalogue gta3WeaponCatalogue();
Catalogue gta3ItemCatalogue();
Catalogue gta3VehicleCatalogue();
Catalogue vcWeaponCatalogue();
Catalogue vcItemCatalogue();
Catalogue vcVehicleCatalogue();
Catalogue saWeaponCatalogue();
Catalogue saItemCatalogue();
Catalogue saVehicleList(); // names only

} // namespace spawnsmith
