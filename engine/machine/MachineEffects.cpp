#include "engine/machine/MachineEffects.h"

#include "engine/core/Audio.h"
#include "engine/core/Clock.h"
#include "engine/core/GameState.h"
#include "engine/machine/MachineRun.h"

#include <cmath>

namespace slotmachine {

void MachineEffects::Delay(double seconds) {
    if (run_.shuttingDown) {
        return;
    }
    clock_.waitUntil(clock_.now() + std::llround(seconds * 1000.0 * run_.pace));
}

void MachineEffects::playSound(int number, bool waitForEnd) {
    if (state_.SoundOn && !run_.shuttingDown) {
        audio_.playSound(number, waitForEnd);
    }
}

void MachineEffects::playWinSound() {
    if (state_.SoundOn && !run_.shuttingDown) {
        audio_.playWinSound();
    }
}

} // namespace slotmachine
