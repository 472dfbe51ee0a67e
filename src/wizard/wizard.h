#pragma once

namespace spawnsmith {

class Frame;

// Registers every window of the wizard with the frame: the one place that knows them all. Ends
// the program with a message naming the window if any window is missing or registered twice.
// The splash needs nothing more before it is shown: its picture is compiled in.
void registerAllWindows(Frame& frame);

// Registers every window and sets the program's icon, for code that builds windows without
// going through start-up (which sets the icon once the splash is painted).
void addAllWindows(Frame& frame);

} // namespace spawnsmith
