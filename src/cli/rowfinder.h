#pragma once

#include "core/cataloguetable.h"

#include <QHash>
#include <QString>

#include <optional>
#include <variant>

namespace spawnsmith::cli {

// A catalogue row together with the catalogue it stands in.
struct FoundRow {
    const CatalogueEntry* catalogue = nullptr;
    const CatalogueRow* row = nullptr;
};

// Finds catalogue rows by their list text, ignoring case, leading and trailing blanks and runs
// of blanks ("FBI  Rancher" = "fbi rancher"), among the catalogues of a game and kind when
// given. A name no row has, or one that several have, gives a message naming the closest rows.
class RowFinder {
public:
    RowFinder();
    std::variant<FoundRow, QString> find(const QString& text, std::optional<Game> game,
                                         std::optional<Kind> kind) const;

private:
    QString closestRows(const QString& key, std::optional<Game> game,
                        std::optional<Kind> kind) const;
    QHash<QString, QList<FoundRow>> rowsByKey;
};

// "gta3 weapon \"Rocket Launcher\"": a row as messages name it.
QString describe(const FoundRow& found);

} // namespace spawnsmith::cli
