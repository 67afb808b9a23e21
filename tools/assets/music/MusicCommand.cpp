#include "tools/assets/music/MusicCommand.h"

#include <cstdio>

namespace slotmachine::assets {

int runMusicCommand(const QStringList&) {
    std::fprintf(stderr, "slots-assets: music is not made yet\n");
    return 1;
}

} // namespace slotmachine::assets
