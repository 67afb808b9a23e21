#pragma once

// A part of a score as its 'part' line gives it.

#include "tools/assets/music/Score.h"

#include <string_view>
#include <vector>

namespace slotmachine::music {

// The part of a line 'part NAME program P [option value]...' or 'part NAME drums
// [option value]...', with its channel after the `parts` before it.
Part readPart(const std::vector<std::string_view>& words, int line, const std::vector<Part>& parts);

} // namespace slotmachine::music
