#pragma once

namespace spawnsmith {

class Frame;

// Registers the fixed-text windows that are opened over a screen and closed again by their one
// "Close This Window" button: the four information windows over the game-pick screen and the
// three "Function Not Available" windows over the code-pick screens.
void addTextWindows(Frame& frame);

} // namespace spawnsmith
