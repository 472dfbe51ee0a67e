#include "core/cataloguetable.h"

#include "core/catalogues.h"

namespace spawnsmith {

std::span<const CatalogueEntry> allCatalogues() {
    static const CatalogueEntry table[] = {
        {Game::Gta3, Kind::Weapon, gta3WeaponCatalogue()},
        {Game::Gta3, Kind::Item, gta3ItemCatalogue()},
        {Game::Gta3, Kind::Vehicle, gta3VehicleCatalogue()},
        {Game::ViceCity, Kind::Weapon, vcWeaponCatalogue()},
        {Game::ViceCity, Kind::Item, vcItemCatalogue()},
        {Game::ViceCity, Kind::Vehicle, vcVehicleCatalogue()},
        {Game::SanAndreas, Kind::Weapon, saWeaponCatalogue()},
        {Game::SanAndreas, Kind::Item, saItemCatalogue()},
        {Game::SanAndreas, Kind::Vehicle, saVehicleList(), false},
    };
    return table;
}

} // namespace spawnsmith
