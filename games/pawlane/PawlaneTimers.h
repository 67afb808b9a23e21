#pragma once

#include "engine/core/MachineTimers.h"

namespace slotmachine::pawlane {

// The game feature timers Pawlane runs.
// Blinks the hold lamps while holds may be chosen.
inline constexpr MachineTimer HoldLampBlinking = MachineTimer::GameFeature2;
// Blinks the bars of the lines that won.
inline constexpr MachineTimer WinningLineBlinking = MachineTimer::GameFeature3;

} // namespace slotmachine::pawlane
