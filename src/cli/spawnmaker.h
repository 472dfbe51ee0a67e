#pragma once

#include "cli/diagnostics.h"
#include "cli/gamelimits.h"
#include "cli/record.h"
#include "cli/rowfinder.h"

#include "core/lineassembly.h"

#include <optional>

namespace spawnsmith::cli {

// Makes the text the wizard's result box would show for one record: finds its row, takes each
// box the row's shape reads from the record or else from the defaults (the options), fits
// numbers to their boxes and assembles the line with the core. Problems are reported at the
// record's place; warnings (rounding, the games' limits) leave the result standing.
class SpawnMaker {
public:
    // What a box neither the record nor the defaults fill holds: empty text, as a box left
    // empty (`line`), or nothing, which is an error (`batch`).
    enum class Missing { Empty, Error };

    SpawnMaker(Diagnostics& diagnostics, bool exact, Missing missing)
        : diagnostics(diagnostics), exact(exact), missing(missing) {}

    std::optional<QString> make(const Place& place, const Record& record, const Record& defaults);

private:
    // The text fitted to a box of `limit` characters, with a warning when rounded; nullopt,
    // reported, when it cannot be made to fit.
    // The row a record names, after reporting why there is none.
    std::optional<FoundRow> resolve(const Place& place, const std::optional<QString>& gameText,
                                    const std::optional<QString>& kindText, const QString& rowText);
    std::optional<QString> fitted(const Place& place, const QString& column, const QString& text,
                                  int limit);

    Diagnostics& diagnostics;
    bool exact;
    Missing missing;
    RowFinder finder;
    GameLimits limits;
    // The row the previous record named, and the boxes its shape reads (each once).
    struct LastRow {
        std::optional<QString> game, kind;
        QString row;
        FoundRow found;
        QList<Field> fields;
    };
    std::optional<LastRow> last;
};

} // namespace spawnsmith::cli
