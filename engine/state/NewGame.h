#pragma once

#include "engine/core/GameState.h"
#include "engine/core/GameValues.h"

namespace slotmachine {

// The state part of the new game reset: the game totals return to a fresh game's
// (1000 credits, all of them borrowed) and Busy is cleared. Coins already bet, the
// last bet, the reels and the sound and music switches are left as they are.
void resetGameTotals(GameState& state, const GameValues& values);

} // namespace slotmachine
