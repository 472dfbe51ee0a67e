#include "cli/gamelimits.h"

#include "cli/gamenames.h"
#include "cli/numberfit.h"

#include <cmath>

namespace spawnsmith::cli {
namespace {

// The most pickups and parked car generators each game's script can create; 0 for none.
constexpr std::array<std::array<int, 2>, 3> capacity = {{{336, 160}, {336, 185}, {620, 0}}};
constexpr const char* spawnWords[] = {"pickups", "parked car generators"};

constexpr double gta3Lowest = -2048.0;
constexpr double gta3Highest = 2047.9375;
constexpr double gta3Steps = 16.0;

} // namespace

std::optional<QString> GameLimits::count(Game game, Kind kind) {
    const std::size_t what = kind == Kind::Vehicle ? 1 : 0;
    const int placed = ++counts[std::size_t(game)][what];
    const int most = capacity[std::size_t(game)][what];
    if (most == 0 || placed != most + 1)
        return std::nullopt;
    return QStringLiteral("this run has more %1 than %2 can hold (%3)")
        .arg(QLatin1String(spawnWords[what]), gameTitle(game))
        .arg(most);
}

std::optional<QString> gta3CoordinateProblem(const QString& axis, const QString& text) {
    if (!isDecimal(text))
        return std::nullopt;
    const double value = text.toDouble();
    if (value < gta3Lowest || value > gta3Highest)
        return QStringLiteral("%1 %2 is outside what GTA3 can store (-2048 to 2047.9375)")
            .arg(axis, text);
    const double stored = std::round(value * gta3Steps) / gta3Steps;
    if (stored == value)
        return std::nullopt;
    return QStringLiteral("GTA3 stores %1 %2 as %3 (it keeps sixteenths)")
        .arg(axis, text, QString::number(stored, 'g', 10));
}

} // namespace spawnsmith::cli
