// The reels' part of a spin: the stake is counted, the stops are chosen and the
// spin is counted. Each spinning reel draws its starting offset into the motion
// picture before its stop, so the generator's sequence is that of the animation.
#include "engine/game/Game.h"
#include "engine/reels/Random.h"
#include "engine/reels/SlotMachine.h"
#include "engine/state/ClampedMath.h"

namespace slotmachine {

void SlotMachine::animateReels() {
    GameState& s = state();
    s.Busy = true;
    s.TotalBets = addClamped(s.TotalBets, s.Coins);
    for (int reel = 0; reel < ReelCount; ++reel) {
        if (!game().reelSpins(*this, reel)) {
            continue;
        }
        const auto r = static_cast<std::size_t>(reel);
        motionOffsets_[r] = random()(geometry_.StripHeight);
        s.ReelStop[r] = random()(StripLength) + 1;
    }
    s.StopReels = false;
    s.Spins = addClamped(s.Spins, 1);
}

} // namespace slotmachine
