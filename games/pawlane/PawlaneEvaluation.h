#pragma once

#include "engine/core/GameState.h"
#include "games/pawlane/PawlaneLines.h"

#include <array>
#include <cstdint>

namespace slotmachine {
class Paytable;
class GameContext;
} // namespace slotmachine

namespace slotmachine::pawlane {

class PawlaneHolds;

// What the reels as they stand are worth with `coins` bet, before anything is paid.
struct ReelReading {
    std::array<std::int32_t, LineCount> linePay{}; // 0 for a line that is not open
    int points = 0;                                // bonus points of the marked stops
    bool reset = false;                            // a marked stop empties the bonus meter
    int holds = 0;                                 // hold stops shown
};

ReelReading readReels(const GameState& state, const Paytable& paytable, std::int32_t coins);

// Pawlane's evaluation of a spin: the open lines paid and their bars set blinking,
// a hold stop's hold, the bonus meter emptied or filled, the win counted up, holds
// opened after a loss, and the bonus game when the meter is full.
void evaluateSpin(GameContext& machine, const Paytable& paytable, PawlaneHolds& holds, LineBars& bars);

} // namespace slotmachine::pawlane
