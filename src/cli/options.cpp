#include "cli/options.h"

#include "cli/gamenames.h"

#include <span>

namespace spawnsmith::cli {
namespace {

struct ColumnOption {
    Column column;
    const char* valueName;
    const char* help;
};

constexpr ColumnOption columnOptions[] = {
    {Column::Game, "gta3|vc|sa", "The game."},
    {Column::Kind, "weapon|item|car", "The kind of spawn point (settles a name two lists share)."},
    {Column::Row, "row", "The list row, as the wizard's list shows it (case and blanks aside)."},
    {Column::Name, "name", "The code name (the script's variable)."},
    {Column::Ammo, "ammo", "The ammunition (weapon pickups)."},
    {Column::X, "x", "The X coordinate (box of 7 characters)."},
    {Column::Y, "y", "The Y coordinate (box of 7 characters)."},
    {Column::Z, "z", "The Z coordinate (box of 7 characters)."},
    {Column::Alarm, "percent", "The alarm percentage (cars; box of 3 characters)."},
    {Column::DoorLock, "percent", "The door-lock percentage (GTA3 cars; box of 3 characters)."},
    {Column::Angle, "angle", "The angle (cars; box of 3 characters)."},
};

} // namespace

void addGameAndKindOptions(QCommandLineParser& parser) {
    for (const ColumnOption& option : std::span(columnOptions).first(2))
        parser.addOption(QCommandLineOption(columnName(option.column),
                                            QString::fromUtf8(option.help),
                                            QString::fromUtf8(option.valueName)));
}

void addColumnOptions(QCommandLineParser& parser) {
    addGameAndKindOptions(parser);
    for (const ColumnOption& option : std::span(columnOptions).subspan(2))
        parser.addOption(QCommandLineOption(columnName(option.column),
                                            QString::fromUtf8(option.help),
                                            QString::fromUtf8(option.valueName)));
    parser.addOption(QCommandLineOption(
        QStringLiteral("exact"),
        QStringLiteral("Keep texts longer than their box whole instead of rounding them.")));
}

Record optionValues(const QCommandLineParser& parser) {
    Record values;
    for (const ColumnOption& option : columnOptions)
        if (parser.isSet(columnName(option.column)))
            values[option.column] = parser.value(columnName(option.column));
    return values;
}

std::optional<QString> checkGameAndKind(const QCommandLineParser& parser) {
    const QString game = parser.value(QStringLiteral("game"));
    if (parser.isSet(QStringLiteral("game")) && !gameNamed(game))
        return unknownGame(game);
    const QString kind = parser.value(QStringLiteral("kind"));
    if (parser.isSet(QStringLiteral("kind")) && !kindNamed(kind))
        return unknownKind(kind);
    return std::nullopt;
}

} // namespace spawnsmith::cli
