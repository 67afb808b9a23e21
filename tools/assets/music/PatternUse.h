#pragma once

// A pattern played in a part.

#include "tools/assets/music/Voice.h"

#include <string>
#include <string_view>
#include <vector>

namespace slotmachine::music {

// Plays the pattern that `text` names (@name, @name+3, @name-2, @name*4, @name+3*2)
// into `voice`: read afresh with the patterns `inUse` (the ones being read, which it
// may not use again), transposed, at the voice's dynamic where it sets none, and
// repeated.
void usePattern(Voice& voice, const Meter& meter, const Patterns& patterns, std::vector<std::string>& inUse,
                std::string_view text, int line);

} // namespace slotmachine::music
