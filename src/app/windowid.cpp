#include "app/windowid.h"

namespace spawnsmith {

std::optional<WindowId> windowIdFromName(QAnyStringView name) {
    for (const WindowId window : allWindowIds)
        if (name == objectNameOf(window))
            return window;
    return std::nullopt;
}

} // namespace spawnsmith
