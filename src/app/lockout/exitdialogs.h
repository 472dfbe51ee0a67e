#pragma once

namespace spawnsmith {

class Frame;

// Registers the 23 confirm-exit dialogs ("Are You Sure You Want To Exit?").
void addExitDialogs(Frame& frame);

} // namespace spawnsmith
