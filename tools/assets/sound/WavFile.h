#pragma once

#include "tools/assets/sound/Synth.h"

#include <cstdint>
#include <string>
#include <vector>

namespace slotmachine::sound {

// Rounds to 16-bit PCM, clamping anything beyond full scale.
std::vector<std::int16_t> toPcm16(const Wave& wave);

// Writes a mono 16-bit PCM WAV file at SampleRate with libsndfile. Returns an
// empty string on success, otherwise what went wrong.
std::string writeWav(const std::string& path, const Wave& wave);

} // namespace slotmachine::sound
