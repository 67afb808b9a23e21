#pragma once

#include "tools/assets/sound/SoundSet.h"

namespace slotmachine::pawlane {

// Pawlane's sound effects, 0 to 9 and Win: brass, wood, coins and banjo twang
// from a gold-rush mine.
sound::GameSounds pawlaneSounds();

} // namespace slotmachine::pawlane
