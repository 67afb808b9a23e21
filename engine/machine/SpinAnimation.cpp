// The reels' part of a spin: the stake is counted, the stops are chosen and the
// spin is counted, then the reels are shown spinning and stopping left to right,
// each with a click and a small bounce. Each spinning reel draws its starting
// offset into the motion picture before its stop.
#include "engine/core/ClampedMath.h"
#include "engine/core/Clock.h"
#include "engine/core/Game.h"
#include "engine/core/MachineDisplay.h"
#include "engine/core/Random.h"
#include "engine/machine/ReelAnimation.h"
#include "engine/machine/SlotMachine.h"

namespace slotmachine {

namespace {

// Pixels a stopped reel's picture sits below its place in the bounce frames that
// follow the frame in which it was taken.
constexpr int BounceOffsets[] = {2, 1, 0, -1, -2, -1, 0};

} // namespace

void SlotMachine::animateReels() {
    GameState& s = state();
    s.Busy = true;
    s.TotalBets = addClamped(s.TotalBets, s.Coins);
    std::array<bool, ReelCount> spinning{};
    for (int reel = 0; reel < ReelCount; ++reel) {
        const auto r = static_cast<std::size_t>(reel);
        spinning[r] = game().reelSpins(*this, reel);
        if (!spinning[r]) {
            continue;
        }
        if (forcedStops_) {
            motionOffsets_[r] = 0;
            s.ReelStop[r] = (*forcedStops_)[r];
            continue;
        }
        motionOffsets_[r] = random()(geometry_.StripHeight);
        s.ReelStop[r] = random()(StripLength) + 1;
    }
    s.StopReels = false;
    s.Spins = addClamped(s.Spins, 1);
    if (animated_ && !shuttingDown_) {
        showAnimation(spinning);
    }
}

void SlotMachine::showAnimation(const std::array<bool, ReelCount>& spinning) {
    GameState& s = state();
    Clock& c = clock();
    MachineDisplay& d = display();
    const std::int32_t step = geometry_.ScaleUnit(MotionStep);
    std::int64_t last = c.now();
    for (int frame = 1; frame <= AnimationFrames; ++frame) {
        // A slow frame delays the ones after it rather than being skipped.
        c.waitUntil(last + FrameMs);
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
                    motionOffsets_[r] += geometry_.StripHeight;
                }
            } else if (k == StopFrame) {
                playSound(0, false);
                d.DrawReelAtRest(reel);
            } else if (k == StopFrame + 1) {
                d.HoldReelPicture(reel);
            } else if (bouncing) {
                d.DrawHeldReel(reel, BounceOffsets[k - StopFrame - 2]);
            }
        }
    }
}

} // namespace slotmachine
