#pragma once

namespace spawnsmith {

// Seconds since an arbitrary origin on the system's steady clock: monotonic, sub-second, never
// wrapping at midnight.
double steadyClockSeconds();

} // namespace spawnsmith
