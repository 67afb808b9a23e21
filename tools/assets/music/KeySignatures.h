#pragma once

// The key signatures a score's head may name.

#include "tools/assets/music/Score.h"

#include <optional>
#include <string_view>

namespace slotmachine::music {

// The signature of a key such as "G", "Bb", "F#m" or "Em"; nothing for a name that is no key.
std::optional<KeySignature> keySignature(std::string_view name);

} // namespace slotmachine::music
