#pragma once

#include "engine/display/DesignRect.h"

namespace slotmachine {
class SlotMachine;
}

namespace slotmachine::emberpeak {

// The count box above the Spin button.
inline constexpr DesignRect NudgeCountPlace{580, 230, 654, 276};

// Draws the count box: "Nudges" in yellow over the number held in red, both
// larger on layouts wider than 900 pixels.
void ShowNudges(SlotMachine& machine);

} // namespace slotmachine::emberpeak
