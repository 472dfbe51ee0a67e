#pragma once

class QWidget;

namespace spawnsmith {

// Gives a window one font for all its labels, buttons and frames: the largest size, from the
// window's own size down to a readable floor in half points, at which every caption fits its
// control whole (on one line where the control has room for one, wrapped where it has room for
// more) and every text box shows its text without scrolling sideways or down.
void fitFont(QWidget* window);

} // namespace spawnsmith
