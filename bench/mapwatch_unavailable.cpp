// Built in place of mapwatch.cpp when the X client library's headers (libxcb1-dev) are missing:
// the benchmark then leaves out its outside measurement and says why.
#include "mapwatch.h"

namespace spawnsmith::bench {

std::unique_ptr<MapWatch> MapWatch::open(QString* whyNot) {
    *whyNot = QStringLiteral("built without libxcb1-dev");
    return nullptr;
}

} // namespace spawnsmith::bench
