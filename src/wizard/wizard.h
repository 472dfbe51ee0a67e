#pragma once

namespace spawnsmith {

class Frame;

// Registers every window of the wizard with the frame: the one place that knows them all.
void addAllWindows(Frame& frame);

} // namespace spawnsmith
