#include "cli/rowfinder.h"

#include "cli/gamenames.h"

#include <algorithm>
#include <vector>

namespace spawnsmith::cli {
namespace {

QString keyOf(const QString& text) {
    return text.simplified().toCaseFolded();
}

bool matches(const FoundRow& found, std::optional<Game> game, std::optional<Kind> kind) {
    return (!game || found.catalogue->game == *game) && (!kind || found.catalogue->kind == *kind);
}

// The number of single-character edits between two texts.
qsizetype editDistance(const QString& a, const QString& b) {
    std::vector<qsizetype> previous(std::size_t(b.size()) + 1);
    std::vector<qsizetype> current(previous.size());
    for (std::size_t j = 0; j < previous.size(); ++j)
        previous[j] = qsizetype(j);
    for (qsizetype i = 0; i < a.size(); ++i) {
        current[0] = i + 1;
        for (qsizetype j = 0; j < b.size(); ++j) {
            const qsizetype replace = previous[std::size_t(j)] + (a[i] == b[j] ? 0 : 1);
            current[std::size_t(j) + 1] =
                std::min({replace, previous[std::size_t(j) + 1] + 1, current[std::size_t(j)] + 1});
        }
        std::swap(previous, current);
    }
    return previous.back();
}

constexpr int closestShown = 3;

} // namespace

QString describe(const FoundRow& found) {
    return gameWord(found.catalogue->game) + u' ' + kindWord(found.catalogue->kind) +
           QLatin1String(" \"") + QString::fromUtf8(found.row->text) + u'"';
}

RowFinder::RowFinder() {
    for (const CatalogueEntry& catalogue : allCatalogues())
        for (const CatalogueRow& row : catalogue.rows)
            rowsByKey[keyOf(QString::fromUtf8(row.text))].append({&catalogue, &row});
}

std::variant<FoundRow, QString> RowFinder::find(const QString& text, std::optional<Game> game,
                                                std::optional<Kind> kind) const {
    const QString key = keyOf(text);
    QList<FoundRow> found;
    for (const FoundRow& candidate : rowsByKey.value(key))
        if (matches(candidate, game, kind))
            found.append(candidate);
    if (found.size() == 1)
        return found.first();
    if (found.isEmpty())
        return QStringLiteral("no row \"%1\"; closest: %2").arg(text, closestRows(key, game, kind));
    QStringList names;
    for (const FoundRow& candidate : found)
        names.append(describe(candidate));
    return QStringLiteral("row \"%1\" is ambiguous: %2 (--game and --kind choose)")
        .arg(text, names.join(QLatin1String(", ")));
}

QString RowFinder::closestRows(const QString& key, std::optional<Game> game,
                               std::optional<Kind> kind) const {
    std::vector<std::pair<qsizetype, FoundRow>> ranked;
    for (const CatalogueEntry& catalogue : allCatalogues())
        for (const CatalogueRow& row : catalogue.rows) {
            const FoundRow candidate{&catalogue, &row};
            if (!matches(candidate, game, kind))
                continue;
            // A row whose text holds the name ("bat" in "Baseball Bat") comes before the rest.
            const QString rowKey = keyOf(QString::fromUtf8(row.text));
            ranked.emplace_back(rowKey.contains(key) ? 0 : editDistance(key, rowKey), candidate);
        }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList names;
    for (std::size_t i = 0; i < ranked.size() && i < std::size_t(closestShown); ++i)
        names.append(describe(ranked[i].second));
    return names.join(QLatin1String(", "));
}

} // namespace spawnsmith::cli
