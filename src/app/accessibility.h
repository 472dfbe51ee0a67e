#pragma once

namespace spawnsmith {

// Gives assistive technology (screen readers, through the desktop's accessibility bus) the
// program's own view of its windows, list boxes and text boxes: a screen reports the role of a
// frame and a window opened over a screen that of a dialog, both named by their caption; a list
// box's rows report themselves disabled while the list is, and cannot be selected then; a text
// box takes no edit while it is disabled or read-only, as it takes no key then. Call once the
// application object exists; calling it again changes nothing.
void installAccessibility();

} // namespace spawnsmith
