#pragma once

#include "engine/core/GameState.h"

#include <cstdint>
#include <optional>
#include <span>

namespace slotmachine {
class Paytable;
}

namespace slotmachine::emberpeak {

// The credits a bonus game brings on average: one of the boxes at random, of which
// only the credit boxes pay (a box of 1 holds nudges).
double expectedBoxCredits(std::span<const std::int32_t> boxValues);

// What nudging `reel` would pay: the payline with that reel moved down one stop, as
// a nudge moves it, paid as a spin of the last bet, a bonus game at `bonusCredits`.
double nudgePay(const GameState& state, const Paytable& paytable, int reel, double bonusCredits);

// The reel whose nudge pays most (the lowest of equals), or none when no nudge pays.
std::optional<int> bestNudge(const GameState& state, const Paytable& paytable, double bonusCredits);

} // namespace slotmachine::emberpeak
