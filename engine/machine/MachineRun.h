#pragma once

#include "engine/core/GameState.h"
#include "engine/core/ReelGeometry.h"
#include "engine/machine/PlayRecorder.h"

#include <array>
#include <cstdint>
#include <optional>

namespace slotmachine {

// What the last spin played and paid, for the simulator and the statistics.
struct SpinOutcome {
    std::int32_t coins = 0;      // coins the spin was played with
    std::int32_t lineWin = 0;    // pay of the payline (or paylines)
    std::int32_t bonusPrize = 0; // credits won in a bonus game played by this spin
    bool bonusPlayed = false;
    // Milliseconds from the spin command to the last reel at rest.
    std::int64_t msToReelsAtRest = 0;
};

// How one machine runs, shared by its parts: the reels' geometry, the simulator's
// controls (frames shown, stops handed in), whether the window is closing, and
// what the last spin paid, and the recall log's recorder.
struct MachineRun {
    ReelGeometry geometry;
    bool animated = true;
    bool shuttingDown = false;
    std::optional<std::array<std::int32_t, ReelCount>> forcedStops;
    SpinOutcome outcome;
    PlayRecorder recorder;
};

} // namespace slotmachine
