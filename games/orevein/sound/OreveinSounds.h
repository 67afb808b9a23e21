#pragma once

#include "tools/assets/sound/SoundSet.h"

namespace slotmachine::orevein {

// Orevein's sound effects, 0 to 9 and Win: brass, wood, coins and banjo twang
// from a gold-rush mine.
sound::GameSounds oreveinSounds();

} // namespace slotmachine::orevein
