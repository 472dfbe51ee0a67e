#include "cli/spawnmaker.h"

#include "cli/gamenames.h"
#include "cli/numberfit.h"

#include "core/lineassembly.h"

#include <utility>

namespace spawnsmith::cli {
namespace {

Column columnOf(Field field) {
    switch (field) {
    case Field::CodeName:
        return Column::Name;
    case Field::Ammo:
        return Column::Ammo;
    case Field::X:
        return Column::X;
    case Field::Y:
        return Column::Y;
    case Field::Z:
        return Column::Z;
    case Field::Alarm:
        return Column::Alarm;
    case Field::DoorLock:
        return Column::DoorLock;
    case Field::Angle:
        return Column::Angle;
    }
    return Column::Name;
}

// How many characters a box holds; 0 for no limit.
int boxLimit(Field field) {
    switch (field) {
    case Field::X:
    case Field::Y:
    case Field::Z:
        return 7;
    case Field::Alarm:
    case Field::DoorLock:
    case Field::Angle:
        return 3;
    case Field::CodeName:
    case Field::Ammo:
        return 0;
    }
    return 0;
}

template <typename Enum>
std::optional<Enum> parsed(const std::optional<QString>& text,
                           std::optional<Enum> (*named)(const QString&), bool& ok) {
    if (!text)
        return std::nullopt;
    const std::optional<Enum> value = named(*text);
    ok = ok && value.has_value();
    return value;
}

} // namespace

std::optional<QString> SpawnMaker::fitted(const Place& place, const QString& column,
                                          const QString& text, int limit) {
    const FittedText fitted = fitToBox(text, limit);
    const QString shown = QStringLiteral("%1 \"%2\"").arg(column, text);
    switch (fitted.fit) {
    case Fit::Fits:
        break;
    case Fit::Rounded:
        diagnostics.warning(place, QStringLiteral("%1 rounded to %2 to fit the box's %3 characters")
                                       .arg(shown, fitted.text)
                                       .arg(limit));
        break;
    case Fit::WholeTooLong:
        diagnostics.error(place, QStringLiteral("%1 does not fit the box's %2 characters, even "
                                                "rounded")
                                     .arg(shown)
                                     .arg(limit));
        return std::nullopt;
    case Fit::NotANumber:
        diagnostics.error(place, QStringLiteral("%1 is longer than the box's %2 characters "
                                                "(--exact keeps it whole)")
                                     .arg(shown)
                                     .arg(limit));
        return std::nullopt;
    }
    return fitted.text;
}

std::optional<QString> SpawnMaker::make(const Place& place, const Record& record,
                                        const Record& defaults) {
    const int errorsBefore = diagnostics.errors();
    const auto value = [&](Column column) -> std::optional<QString> {
        if (record[column])
            return record[column];
        if (defaults[column])
            return defaults[column];
        if (missing == Missing::Empty)
            return QString();
        diagnostics.error(
            place, QStringLiteral("no column \"%1\" and no --%1 given").arg(columnName(column)));
        return std::nullopt;
    };

    const std::optional<QString> gameText =
        record[Column::Game] ? record[Column::Game] : defaults[Column::Game];
    const std::optional<QString> kindText =
        record[Column::Kind] ? record[Column::Kind] : defaults[Column::Kind];
    bool known = true;
    const std::optional<Game> game = parsed<Game>(gameText, gameNamed, known);
    if (!known) {
        diagnostics.error(place, unknownGame(*gameText));
        return std::nullopt;
    }
    const std::optional<Kind> kind = parsed<Kind>(kindText, kindNamed, known);
    if (!known) {
        diagnostics.error(place, unknownKind(*kindText));
        return std::nullopt;
    }
    const std::optional<QString> rowText = value(Column::Row);
    if (!rowText)
        return std::nullopt;
    const std::variant<FoundRow, QString> found = finder.find(*rowText, game, kind);
    if (const auto* problem = std::get_if<QString>(&found)) {
        diagnostics.error(place, *problem);
        return std::nullopt;
    }
    const FoundRow& row = std::get<FoundRow>(found);
    if (!row.catalogue->generates) {
        diagnostics.error(
            place, QStringLiteral("%1: San Andreas vehicles generate no code").arg(describe(row)));
        return std::nullopt;
    }

    std::array<QString, 8> texts;
    std::array<bool, 8> read{};
    for (const Field field : fieldsRead(row.row->shape)) {
        if (std::exchange(read[std::size_t(field)], true))
            continue; // the pair's code name, read a second time
        const Column column = columnOf(field);
        const std::optional<QString> text = value(column);
        if (!text)
            continue;
        QString& kept = texts[std::size_t(field)];
        kept = *text;
        if (const int limit = boxLimit(field); limit != 0 && !exact) {
            const std::optional<QString> fit = fitted(place, columnName(column), kept, limit);
            if (!fit)
                continue;
            kept = *fit;
        }
        if (row.catalogue->game == Game::Gta3 &&
            (field == Field::X || field == Field::Y || field == Field::Z))
            if (const auto problem = gta3CoordinateProblem(columnName(column), kept))
                diagnostics.warning(place, *problem);
    }
    if (diagnostics.errors() != errorsBefore)
        return std::nullopt;
    if (const auto problem = limits.count(row.catalogue->game, row.catalogue->kind))
        diagnostics.warning(place, *problem);
    return assembleLine(row.row->shape, QString::fromUtf8(row.row->fragment),
                        [&texts](Field field) { return texts[std::size_t(field)]; });
}

} // namespace spawnsmith::cli
