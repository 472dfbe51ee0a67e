#include "platform/steadyclock.h"

#include <chrono>

namespace spawnsmith {

double steadyClockSeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

} // namespace spawnsmith
