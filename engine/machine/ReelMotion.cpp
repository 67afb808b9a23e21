// The reels' motion. A spin: the stake is counted, the stops are chosen and the
// spin is counted, then the reels are shown spinning and stopping left to right,
// each with a click and a small bounce; each spinning reel draws its starting
// offset into the motion picture before its stop. A feature's move: the picture
// slides one cell in eight steps, then the reel settles with a bounce.
#include "engine/core/ClampedMath.h"
#include "engine/core/Clock.h"
#include "engine/core/Game.h"
#include "engine/core/GameContext.h"
#include "engine/core/MachineDisplay.h"
#include "engine/core/Random.h"
#include "engine/machine/MachineRun.h"
#include "engine/machine/ReelAnimation.h"
#include "engine/machine/ReelMotion.h"
#include "engine/state/ReelStrips.h"

#include <cmath>
#include <iterator>

namespace slotmachine {

namespace {

// Pixels a stopped reel's picture sits below its place in the bounce frames that
// follow the frame in which it was taken.
constexpr int BounceOffsets[] = {2, 1, 0, -1, -2, -1, 0};

// Seven steps of 10 design pixels and one of 6 make one 76-pixel cell. Each step
// is scaled on its own, so at other widths the sum may differ by a pixel or two.
constexpr int MoveSteps = 8;
constexpr int MoveStep = 10;
constexpr int LastMoveStep = 6;
constexpr double MoveStepSeconds = 0.05;

// Window pixels the settling picture sits below the reel's top, frame by frame.
constexpr int SettleOffsets[] = {2, 4, 2, 0, -2, -4, -2, 0};
constexpr double SettleStepSeconds = 0.02;
// Design rows left off the bottom of the settling picture, so that it can move
// down without dragging the frame below the reel along.
constexpr int SettleCut = 8;

} // namespace

void ReelMotion::spinReels() {
    GameState& s = machine_.state();
    s.Busy = true;
    s.TotalBets = addClamped(s.TotalBets, s.Coins);
    std::array<bool, ReelCount> spinning{};
    for (int reel = 0; reel < ReelCount; ++reel) {
        const auto r = static_cast<std::size_t>(reel);
        spinning[r] = machine_.game().reelSpins(machine_, reel);
        if (!spinning[r]) {
            run_.recorder.noteMove(reel, s.ReelStop[r], s.ReelStop[r], ReelMover::Held);
            continue;
        }
        if (run_.forcedStops) {
            motionOffsets_[r] = 0;
            s.ReelStop[r] = (*run_.forcedStops)[r];
            continue;
        }
        motionOffsets_[r] = machine_.random()(run_.geometry.StripHeight);
        s.ReelStop[r] = machine_.random()(StripLength) + 1;
    }
    s.StopReels = false;
    s.Spins = addClamped(s.Spins, 1);
    if (run_.animated && !run_.shuttingDown) {
        showAnimation(spinning);
    }
}

void ReelMotion::showAnimation(const std::array<bool, ReelCount>& spinning) {
    GameState& s = machine_.state();
    Clock& c = clock_;
    MachineDisplay& d = machine_.display();
    const std::int32_t step = run_.geometry.ScaleUnit(MotionStep);
    const std::int64_t frameMs = std::llround(FrameMs * run_.pace);
    std::int64_t last = c.now();
    for (int frame = 1; frame <= AnimationFrames; ++frame) {
        // A slow frame delays the ones after it rather than being skipped.
        c.waitUntil(last + frameMs);
        if (s.StopReels) {
            return; // the window is closing: not one more frame, no more clicks
        }
        last = c.now();
        for (int reel = 0; reel < ReelCount; ++reel) {
            const auto r = static_cast<std::size_t>(reel);
            const int k = reelFrame(frame, reel);
            const bool bouncing =
                k > StopFrame && k <= StopFrame + 1 + static_cast<int>(std::size(BounceOffsets));
            if (!spinning[r]) {
                // A reel left alone has no frames of its own, but the payline is
                // drawn at each of its bounce steps as over a bouncing reel.
                if (bouncing) {
                    d.DrawPayline();
                }
                continue;
            }
            if (k <= LastSpinningFrame) {
                d.DrawSpinFrame(reel, motionOffsets_[r]);
                motionOffsets_[r] -= step;
                if (motionOffsets_[r] < 0) {
                    motionOffsets_[r] += run_.geometry.StripHeight;
                }
            } else if (k == StopFrame) {
                machine_.playSound(0, false);
                d.DrawReelAtRest(reel);
            } else if (k == StopFrame + 1) {
                d.HoldReelPicture(reel);
            } else if (bouncing) {
                d.DrawHeldReel(reel, BounceOffsets[k - StopFrame - 2]);
            }
        }
    }
}

void ReelMotion::slideReelPicture(int reel, int first, bool down) {
    if (!run_.animated || run_.shuttingDown) {
        return;
    }
    MachineDisplay& d = machine_.display();
    d.FillMovePicture(reel, first);
    std::int32_t top = down ? run_.geometry.SymbolSize : 0;
    for (int step = 1; step <= MoveSteps; ++step) {
        const std::int32_t pixels = run_.geometry.ScaleUnit(step < MoveSteps ? MoveStep : LastMoveStep);
        top += down ? -pixels : pixels;
        d.DrawMoveFrame(reel, top);
        machine_.Delay(MoveStepSeconds);
    }
}

void ReelMotion::slideReelDown(int reel) {
    std::int32_t& stop = machine_.state().ReelStop[static_cast<std::size_t>(reel)];
    const int moved = previousPosition(stop);
    slideReelPicture(reel, moved, true);
    noteMove(reel, stop, moved, ReelMover::Down);
    stop = moved;
}

void ReelMotion::slideReelUp(int reel) {
    std::int32_t& stop = machine_.state().ReelStop[static_cast<std::size_t>(reel)];
    slideReelPicture(reel, stop, false);
    noteMove(reel, stop, nextPosition(stop), ReelMover::Up);
    stop = nextPosition(stop);
}

void ReelMotion::noteMove(int reel, std::int32_t from, std::int32_t to, ReelMover feature) {
    // A move outside a spin is the player's nudge.
    const bool nudge = run_.recorder.openKind() == PlayKind::Nudge;
    run_.recorder.noteMove(reel, from, to, nudge ? ReelMover::Nudge : feature);
}

void ReelMotion::moveReelDown(int reel) {
    slideReelDown(reel);
    settleBounce(reel);
}

void ReelMotion::moveReelUp(int reel) {
    slideReelUp(reel);
    settleBounce(reel);
}

void ReelMotion::settleBounce(int reel) {
    if (!run_.animated || run_.shuttingDown) {
        return;
    }
    MachineDisplay& d = machine_.display();
    d.TakeReelPicture(reel, run_.geometry.ScaleUnit(SettleCut));
    for (std::size_t i = 0; i < std::size(SettleOffsets); ++i) {
        d.DrawHeldReel(reel, SettleOffsets[i]);
        if (i + 1 < std::size(SettleOffsets)) {
            machine_.Delay(SettleStepSeconds);
        }
    }
}

} // namespace slotmachine
