#pragma once

#include "tools/assets/sound/SoundSet.h"

namespace slotmachine::emberpeak {

// Emberpeak's sound effects, 0 to 9 and Win: pitons and ropes, ice chimes,
// crackling embers, the mountain's rumble and an alpine horn.
sound::GameSounds emberpeakSounds();

} // namespace slotmachine::emberpeak
