#include "core/catalogues.h"

// The GTA3 catalogues: each row's list text, line shape and row fragment, in list order.

namespace spawnsmith {
namespace {

constexpr CatalogueRow gta3Weapons[] = {
    {"Baseball Bat", Shape::Pickup, " = create_pickup #BAT type  2 at  "},
    {"Handgun", Shape::WeaponPickup, " = create_weapon_pickup #COLT45  14 ammo  "},
    {"Uzi", Shape::WeaponPickup, " = create_weapon_pickup #UZI  14 ammo  "},
    {"Shotgun", Shape::WeaponPickup, " = create_weapon_pickup #SHOTGUN  14 ammo  "},
    {"AK-47", Shape::WeaponPickup, " = create_weapon_pickup #AK47  14 ammo  "},
    {"M-16", Shape::WeaponPickup, " = create_weapon_pickup #M16  14 ammo  "},
    {"Rocket Launcher", Shape::WeaponPickup, " = create_weapon_pickup #ROCKET  14 ammo  "},
    {"Flamethrower", Shape::WeaponPickup, " = create_weapon_pickup #FLAME  14 ammo  "},
    {"Molotov Cocktails", Shape::WeaponPickup, " = create_weapon_pickup #MOLOTOV  14 ammo  "},
    {"Grenades", Shape::WeaponPickup, " = create_weapon_pickup #GRENADE  14 ammo  "},
    {"Sniper Rifle", Shape::WeaponPickup, " = create_weapon_pickup #SNIPER  14 ammo  "},
};

constexpr CatalogueRow gta3Items[] = {
    {"Adrenaline", Shape::Pickup, " = create_pickup -29 (ADRENALINE) type  14 at  "},
    {"Body Armour", Shape::Pickup, " = create_pickup -24 (BODYARMOUR) type  14 at  "},
    {"Bribe", Shape::Pickup, " = create_pickup -30 (BRIBE) type  14 at  "},
    {"Health", Shape::Pickup, " = create_pickup -28 (HEALTH) type  14 at  "},
};

constexpr CatalogueRow gta3Vehicles[] = {
    {"Ambulance", Shape::CarGenerator, " = init_parked_car_generator #AMBULANCE -1 -1  0 alarm "},
    {"Banshee", Shape::CarGenerator, " = init_parked_car_generator #BANSHEE -1 -1  0 alarm "},
    {"Barracks OL", Shape::CarGenerator, " = init_parked_car_generator #BARRACKS -1 -1  0 alarm "},
    {"BF Injection", Shape::CarGenerator, " = init_parked_car_generator #BFINJECT -1 -1  0 alarm "},
    {"Blista", Shape::CarGenerator, " = init_parked_car_generator #BLISTA -1 -1  0 alarm "},
    {"Bobcat", Shape::CarGenerator, " = init_parked_car_generator #BOBCAT -1 -1  0 alarm "},
    {"Borgnine", Shape::CarGenerator, " = init_parked_car_generator #BORGNINE -1 -1  0 alarm "},
    {"Bus", Shape::CarGenerator, " = init_parked_car_generator #BUS -1 -1  0 alarm "},
    {"Cabbie", Shape::CarGenerator, " = init_parked_car_generator #CABBIE -1 -1  0 alarm "},
    {"Cartel Cruiser", Shape::CarGenerator, " = init_parked_car_generator #COLUMB -1 -1  0 alarm "},
    {"Cheetah", Shape::CarGenerator, " = init_parked_car_generator #CHEETAH -1 -1  0 alarm "},
    {"Coach", Shape::CarGenerator, " = init_parked_car_generator #COACH -1 -1  0 alarm "},
    {"Diablos Stallion", Shape::CarGenerator,
     " = init_parked_car_generator #DIABLOS -1 -1  0 alarm "},
    {"Dodo", Shape::CarGenerator, " = init_parked_car_generator #DODO -1 -1  0 alarm "},
    {"Enforcer", Shape::CarGenerator, " = init_parked_car_generator #ENFORCER -1 -1  0 alarm "},
    {"Esperanto", Shape::CarGenerator, " = init_parked_car_generator #ESPERANT -1 -1  0 alarm "},
    {"FBI Car", Shape::CarGenerator, " = init_parked_car_generator #FBICAR -1 -1  0 alarm "},
    {"Firetruck", Shape::CarGenerator, " = init_parked_car_generator #FIRETRUK -1 -1  0 alarm "},
    {"Flatbed", Shape::CarGenerator, " = init_parked_car_generator #FLATBED -1 -1  0 alarm "},
    {"Hoods Rumpo XL", Shape::CarGenerator, " = init_parked_car_generator #HOODS -1 -1  0 alarm "},
    {"Idaho", Shape::CarGenerator, " = init_parked_car_generator #IDAHO -1 -1  0 alarm "},
    {"Infernus", Shape::CarGenerator, " = init_parked_car_generator #INFERNUS -1 -1  0 alarm "},
    {"Kuruma", Shape::CarGenerator, " = init_parked_car_generator #KURUMA -1 -1  0 alarm "},
    {"Landstalker", Shape::CarGenerator, " = init_parked_car_generator #LANDSTAL -1 -1  0 alarm "},
    {"Linerunner", Shape::CarGenerator, " = init_parked_car_generator #LINERUN -1 -1  0 alarm "},
    {"Mafia Sentinel", Shape::CarGenerator, " = init_parked_car_generator #MAFIA -1 -1  0 alarm "},
    {"Manana", Shape::CarGenerator, " = init_parked_car_generator #MANANA -1 -1  0 alarm "},
    {"Moonbeam", Shape::CarGenerator, " = init_parked_car_generator #MOONBEAM -1 -1  0 alarm "},
    {"Mr Whoopie", Shape::CarGenerator, " = init_parked_car_generator #MRWHOOP -1 -1  0 alarm "},
    {"Mr Wongs", Shape::CarGenerator, " = init_parked_car_generator #MRWONGS -1 -1  0 alarm "},
    {"Mule", Shape::CarGenerator, " = init_parked_car_generator #MULE -1 -1  0 alarm "},
    {"Panlantic", Shape::CarGenerator, " = init_parked_car_generator #PANLANT -1 -1  0 alarm "},
    {"Patriot", Shape::CarGenerator, " = init_parked_car_generator #PATRIOT -1 -1  0 alarm "},
    {"Perennial", Shape::CarGenerator, " = init_parked_car_generator #PEREN -1 -1  0 alarm "},
    {"Police", Shape::CarGenerator, " = init_parked_car_generator #POLICE -1 -1  0 alarm "},
    {"Pony", Shape::CarGenerator, " = init_parked_car_generator #PONY -1 -1  0 alarm "},
    {"Rhino", Shape::CarGenerator, " = init_parked_car_generator #RHINO -1 -1  0 alarm "},
    {"Rumpo", Shape::CarGenerator, " = init_parked_car_generator #RUMPO -1 -1  0 alarm "},
    {"Securicar", Shape::CarGenerator, " = init_parked_car_generator #SECURICA -1 -1  0 alarm "},
    {"Sentinel", Shape::CarGenerator, " = init_parked_car_generator #SENTINEL -1 -1  0 alarm "},
    {"Stallion", Shape::CarGenerator, " = init_parked_car_generator #STALLION -1 -1  0 alarm "},
    {"Stinger", Shape::CarGenerator, " = init_parked_car_generator #STINGER -1 -1  0 alarm "},
    {"Stretch", Shape::CarGenerator, " = init_parked_car_generator #STRETCH -1 -1  0 alarm "},
    {"Taxi", Shape::CarGenerator, " = init_parked_car_generator #TAXI -1 -1  0 alarm "},
    {"TOYZ", Shape::CarGenerator, " = init_parked_car_generator #TOYZ -1 -1  0 alarm "},
    {"Trashmaster", Shape::CarGenerator, " = init_parked_car_generator #TRASH -1 -1  0 alarm "},
    {"Triad Fish Van", Shape::CarGenerator,
     " = init_parked_car_generator #BELLYUP -1 -1  0 alarm "},
    {"Yakuza Stinger", Shape::CarGenerator, " = init_parked_car_generator #YAKUZA -1 -1  0 alarm "},
    {"Yankee", Shape::CarGenerator, " = init_parked_car_generator #YANKEE -1 -1  0 alarm "},
    {"Yardie Lobo", Shape::CarGenerator, " = init_parked_car_generator #YARDIE -1 -1  0 alarm "},
};

} // namespace

Catalogue gta3WeaponCatalogue() {
    return gta3Weapons;
}
Catalogue gta3ItemCatalogue() {
    return gta3Items;
}
Catalogue gta3VehicleCatalogue() {
    return gta3Vehicles;
}

} // namespace spawnsmith
