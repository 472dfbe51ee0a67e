#pragma once

#include "core/lineassembly.h"

#include <span>

namespace spawnsmith {

// One row of a spawn-point catalogue. Its index is its position; the list shows `text`, and
// only the index binds the row to its shape and fragment.
struct CatalogueRow {
    const char* text;
    Shape shape = Shape::Pickup;
    const char* fragment = "";
};

using Catalogue = std::span<const CatalogueRow>;

// The row at a list index, or nullptr for -1 and any index outside the catalogue.
inline const CatalogueRow* rowAt(Catalogue catalogue, int index) {
    if (index < 0 || index >= static_cast<int>(catalogue.size()))
        return nullptr;
    return &catalogue[static_cast<std::size_t>(index)];
}

} // namespace spawnsmith
