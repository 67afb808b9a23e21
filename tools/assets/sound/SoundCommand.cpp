#include "tools/assets/sound/SoundCommand.h"

#include <cstdio>

namespace slotmachine::assets {

int runSoundsCommand(const QStringList&) {
    std::fprintf(stderr, "slots-assets: sounds are not made yet\n");
    return 1;
}

} // namespace slotmachine::assets
