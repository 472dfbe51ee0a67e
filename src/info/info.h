#pragma once

class QMenuBar;

namespace spawnsmith {

class Frame;
class Window;

// Registers the information windows, the three "Function Not Available" windows and the
// e-mail composer with its confirm-exit dialog's owner.
void addInfoWindows(Frame& frame);

// The game-pick screen's menu bar: About, Members, Contact and Web Sites.
QMenuBar* buildGamePickMenuBar(Frame& frame, Window* gamePick);

} // namespace spawnsmith
