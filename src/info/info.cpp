#include "info/info.h"

#include "info/composer.h"
#include "info/textwindows.h"

namespace spawnsmith {

void addInfoWindows(Frame& frame) {
    addTextWindows(frame);
    addComposer(frame);
}

} // namespace spawnsmith
