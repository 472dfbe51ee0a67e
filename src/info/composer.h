#pragma once

namespace spawnsmith {

class Frame;

// Registers the e-mail composer, which builds a mailto: URL for the maker from its five fields
// and hands it to the desktop's mail program.
void addComposer(Frame& frame);

} // namespace spawnsmith
