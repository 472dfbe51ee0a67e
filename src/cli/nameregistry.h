#pragma once

#include "cli/diagnostics.h"

#include <QStringList>

#include <string>
#include <unordered_map>

namespace spawnsmith::cli {

// The code names a run has given out, to refuse a name given twice. The only thing that grows
// with the input: each name is kept once, with where it was first given.
class NameRegistry {
public:
    // Records a name; the place it was first given when it was given before.
    std::optional<Place> add(const QString& name, const Place& place);

    NameRegistry() { names.reserve(initialRoom); }

private:
    struct FirstUse {
        qsizetype file;
        qint64 line;
    };
    // Room for the names of a typical list before the map first grows.
    static constexpr std::size_t initialRoom = 4096;
    QStringList files;
    // Kept as UTF-8 in the standard string, which holds a short name inside itself: a name
    // costs one allocation of the map, not two.
    std::unordered_map<std::string, FirstUse> names;
};

} // namespace spawnsmith::cli
