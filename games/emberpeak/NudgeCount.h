#pragma once

#include "engine/core/DesignRect.h"

namespace slotmachine {
class GameContext;
}

namespace slotmachine::emberpeak {

// The count box above the Spin button.
inline constexpr DesignRect NudgeCountPlace{580, 230, 654, 276};

// Draws the count box: "Nudges" in yellow over the number held in red, both
// larger on layouts wider than 900 pixels.
void ShowNudges(GameContext& machine);

} // namespace slotmachine::emberpeak
