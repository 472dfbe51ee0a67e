#include "cli/nameregistry.h"

namespace spawnsmith::cli {

std::optional<Place> NameRegistry::add(const QString& name, const Place& place) {
    if (files.isEmpty() || files.constLast() != place.file)
        files.append(place.file);
    const auto [first, added] =
        names.try_emplace(name.toStdString(), FirstUse{files.size() - 1, place.line});
    if (added)
        return std::nullopt;
    return Place{files[first->second.file], first->second.line};
}

} // namespace spawnsmith::cli
