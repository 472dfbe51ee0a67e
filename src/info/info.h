#pragma once

class QMenuBar;

namespace spawnsmith {

class Frame;
class Window;

// Registers the information windows, the three "Function Not Available" windows and the
// e-mail composer (its confirm-exit dialog is one of the exit dialogs).
void addInfoWindows(Frame& frame);

// The game-pick screen's menu bar: About, Members, Contact and Web Sites. The entries that open
// a window do so over the game-pick screen; the web-site entries start a browser.
QMenuBar* buildGamePickMenuBar(Frame& frame, Window* gamePick);

} // namespace spawnsmith
