#pragma once

#include "engine/core/DesignRect.h"
#include "engine/core/GameState.h"

#include <array>
#include <optional>

namespace slotmachine {
class MachineDisplay;
}

namespace slotmachine::emberpeak {

// The nudge button above each reel, in design coordinates. A press on a button's
// drawn place, all four edges included, nudges its reel.
inline constexpr std::array<DesignRect, ReelCount> NudgeButtonPlaces{{
    {260, 246, 332, 263},
    {364, 246, 436, 263},
    {468, 246, 540, 263},
}};

// The three buttons, all lit or all dimmed: the lower or the upper half of the
// nudge button picture stretched into each place.
void drawNudgeButtons(MachineDisplay& display, bool lit);
// The three buttons blinking: each drawn lit or dimmed as `lit`, but the button of
// `steady` (the advised nudge, if any) lit.
void drawNudgeButtons(MachineDisplay& display, bool lit, std::optional<int> steady);

// The reel whose nudge button is at window pixel (x, y), or -1.
int nudgeButtonAt(const ReelGeometry& geometry, int x, int y);

} // namespace slotmachine::emberpeak
