#include "cli/spawnmaker.h"

#include "cli/gamenames.h"
#include "cli/numberfit.h"

#include "core/lineassembly.h"

namespace spawnsmith::cli {
namespace {

// The column that fills each input box, in the order of Field.
constexpr Column columns[] = {Column::Name, Column::Ammo,  Column::X,        Column::Y,
                              Column::Z,    Column::Alarm, Column::DoorLock, Column::Angle};

Column columnOf(Field field) {
    return columns[std::size_t(field)];
}

// Reads a game or kind word into `value` (left empty when no word is given); false, and the
// problem in `problem`, for a word that names nothing.
template <typename Enum>
bool read(const std::optional<QString>& text, std::optional<Enum> (*named)(const QString&),
          QString (*unknown)(const QString&), std::optional<Enum>& value, QString& problem) {
    if (!text)
        return true;
    value = named(*text);
    if (!value)
        problem = unknown(*text);
    return value.has_value();
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
    case Fit::NotANumber:
        diagnostics.error(place, (fitted.fit == Fit::WholeTooLong
                                      ? QStringLiteral("%1 does not fit the box's %2 characters, "
                                                       "even rounded")
                                      : QStringLiteral("%1 is longer than the box's %2 characters "
                                                       "(--exact keeps it whole)"))
                                     .arg(shown)
                                     .arg(limit));
        return std::nullopt;
    }
    return fitted.text;
}

std::optional<FoundRow> SpawnMaker::resolve(const Place& place,
                                            const std::optional<QString>& gameText,
                                            const std::optional<QString>& kindText,
                                            const QString& rowText) {
    std::optional<Game> game;
    std::optional<Kind> kind;
    QString problem;
    if (!read(gameText, gameNamed, unknownGame, game, problem) ||
        !read(kindText, kindNamed, unknownKind, kind, problem)) {
        diagnostics.error(place, problem);
        return std::nullopt;
    }
    const std::variant<FoundRow, QString> found = finder.find(rowText, game, kind);
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
    return row;
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

    // The game and the kind choose among rows rather than fill a box: an empty cell leaves
    // them to the options, as a missing column does.
    const auto chooser = [&](Column column) -> const std::optional<QString>& {
        const std::optional<QString>& given = record[column];
        return given && !given->isEmpty() ? given : defaults[column];
    };
    const std::optional<QString>& gameText = chooser(Column::Game);
    const std::optional<QString>& kindText = chooser(Column::Kind);
    const std::optional<QString> rowText = value(Column::Row);
    if (!rowText)
        return std::nullopt;
    // A list names the same row record after record: the last row found is looked up once.
    if (!last || last->game != gameText || last->kind != kindText || last->row != *rowText) {
        const std::optional<FoundRow> found = resolve(place, gameText, kindText, *rowText);
        if (!found)
            return std::nullopt;
        QList<Field> fields;
        for (const Field field : fieldsRead(found->row->shape))
            if (!fields.contains(field)) // the pair reads its code name twice
                fields.append(field);
        last = LastRow{gameText, kindText, *rowText, *found, fields};
    }
    const FoundRow& row = last->found;

    std::array<QString, std::size(columns)> texts;
    for (const Field field : last->fields) {
        const Column column = columnOf(field);
        const std::optional<QString> text = value(column);
        if (!text)
            continue;
        QString& kept = texts[std::size_t(field)];
        kept = *text;
        if (const int limit = fieldLimit(field); limit != 0 && !exact) {
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
