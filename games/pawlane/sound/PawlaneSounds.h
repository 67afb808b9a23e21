#pragma once

#include "tools/assets/sound/SoundSet.h"

namespace slotmachine::pawlane {

// Pawlane's sound effects, 0 to 9 and Win: wooden clacks, cowbells, chick peeps,
// a lowing cow, fiddle and banjo from a friendly farm.
sound::GameSounds pawlaneSounds();

} // namespace slotmachine::pawlane
