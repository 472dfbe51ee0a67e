#pragma once

namespace spawnsmith {

class Frame;

// How long the splash screen stays up, in seconds.
inline constexpr double splashSeconds = 2.0;

// Shows the splash screen, waits until the platform clock reads at least two seconds later
// (servicing events meanwhile, sleeping between them), shows the game-pick screen and unloads
// the splash screen.
void startUp(Frame& frame);

} // namespace spawnsmith
