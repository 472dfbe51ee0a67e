#pragma once

#include "cli/diagnostics.h"

#include <QHash>
#include <QStringList>

#include <unordered_map>

namespace spawnsmith::cli {

// The code names a run has given out, to refuse a name given twice. The only thing that grows
// with the input: each name is kept once, with where it was first given.
class NameRegistry {
public:
    // Records a name; the place it was first given when it was given before.
    std::optional<Place> add(const QString& name, const Place& place);

private:
    struct FirstUse {
        qsizetype file;
        qint64 line;
    };
    struct Hash {
        std::size_t operator()(const QString& text) const noexcept { return qHash(text); }
    };
    QStringList files;
    std::unordered_map<QString, FirstUse, Hash> names;
};

} // namespace spawnsmith::cli
