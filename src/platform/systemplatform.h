#pragma once

#include "platform/platform.h"

#include <memory>

namespace spawnsmith {

// The platform of the system the program was built for: Windows, or a Unix-like desktop.
std::unique_ptr<Platform> makeSystemPlatform();

} // namespace spawnsmith
