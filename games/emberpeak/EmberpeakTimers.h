#pragma once

#include "engine/core/MachineTimers.h"

namespace slotmachine::emberpeak {

// The game feature timers Emberpeak runs.
// Animates the wild symbol while it stands on the payline.
inline constexpr MachineTimer WildAnimationTimer = MachineTimer::GameFeature1;
// Blinks the nudge buttons while nudges are offered.
inline constexpr MachineTimer NudgeButtonBlinking = MachineTimer::GameFeature2;

} // namespace slotmachine::emberpeak
