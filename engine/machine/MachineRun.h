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

// The share of their normal time the machine's waits take with quick spin on:
// reel frames, reel moves, settling bounces and count-up steps all come sooner,
// while the frames, steps and sounds themselves stay as they are.
inline constexpr double QuickSpinPace = 0.5;

// How one machine runs, shared by its parts: the reels' geometry, the simulator's
// controls (frames shown, stops handed in), the pace of its waits, whether the window is closing, and
// what the last spin paid, and the recall log's recorder.
struct MachineRun {
    ReelGeometry geometry;
    bool animated = true;
    // 1 at the normal pace; QuickSpinPace with quick spin on.
    double pace = 1.0;
    bool shuttingDown = false;
    std::optional<std::array<std::int32_t, ReelCount>> forcedStops;
    SpinOutcome outcome;
    PlayRecorder recorder;
};

} // namespace slotmachine
