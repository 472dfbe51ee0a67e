#pragma once

#include "core/cataloguetable.h"

#include <QString>

#include <array>
#include <optional>

namespace spawnsmith::cli {

// What the games themselves can hold, checked as a run goes: how many pickups and parked car
// generators one script may create, and which coordinates GTA3's compiled script keeps exactly.
class GameLimits {
public:
    // Counts one more spawn point of the game and kind; the message when this one is the
    // first beyond what the game holds.
    std::optional<QString> count(Game game, Kind kind);

private:
    std::array<std::array<int, 2>, 3> counts{}; // [game][pickups, car generators]
};

// For a GTA3 coordinate: the message when its compiled script cannot keep the number as typed
// (it stores sixteenths from -2048 to 2047.9375). Texts that are no number are left alone.
std::optional<QString> gta3CoordinateProblem(const QString& axis, const QString& text);

} // namespace spawnsmith::cli
