#pragma once

namespace spawnsmith {

class Frame;

// Each game's creator screens and the result screens they fill, registered with the frame.
void addGta3Screens(Frame& frame);
void addViceCityScreens(Frame& frame);
void addSanAndreasScreens(Frame& frame);

} // namespace spawnsmith
