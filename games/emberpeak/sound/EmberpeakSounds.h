#pragma once

#include "tools/assets/sound/SoundSet.h"

namespace slotmachine::emberpeak {

// Emberpeak's sound effects, 0 to 9 and Win: brass, wood, coins and banjo twang
// from a gold-rush mine.
sound::GameSounds emberpeakSounds();

} // namespace slotmachine::emberpeak
