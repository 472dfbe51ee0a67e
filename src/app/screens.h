#pragma once

namespace spawnsmith {

class Frame;

// Registers the splash screen, the game-pick screen and the three code-pick screens.
void addPickScreens(Frame& frame);

// Registers every window of the wizard.
void addAllWindows(Frame& frame);

} // namespace spawnsmith
