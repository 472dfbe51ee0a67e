#pragma once

#include "core/catalogue.h"

#include <span>

namespace spawnsmith {

enum class Game { Gta3, ViceCity, SanAndreas };
enum class Kind { Weapon, Item, Vehicle };

// One catalogue with the game and kind of spawn point it belongs to. `generates` is false for
// a list whose rows assemble nothing (the San Andreas vehicle list holds names only).
struct CatalogueEntry {
    Game game;
    Kind kind;
    Catalogue rows;
    bool generates = true;
};

// Every catalogue of the program, game by game, in the order weapon, item, vehicle.
std::span<const CatalogueEntry> allCatalogues();

} // namespace spawnsmith
