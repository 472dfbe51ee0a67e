#pragma once

namespace spawnsmith {

class Frame;

// How long the splash screen stays up, in seconds.
inline constexpr double splashSeconds = 2.0;

// Shows the splash screen, waits until the platform clock reads at least two seconds later
// (servicing events meanwhile, sleeping between them), shows the game-pick screen and unloads
// the splash screen. Once the splash is painted it sets the program's icon, if none is set
// yet, and loads the font configuration, both of which the splash's first paint can do
// without.
void startUp(Frame& frame);

// Sets the program's icon, which every window shows; decoding it takes a few milliseconds.
void setProgramIcon(Frame& frame);

} // namespace spawnsmith
