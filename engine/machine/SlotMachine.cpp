#include "engine/machine/SlotMachine.h"

#include "engine/core/Audio.h"
#include "engine/core/Clock.h"
#include "engine/core/Game.h"
#include "engine/core/MachineDisplay.h"
#include "engine/state/NewGame.h"
#include "engine/state/ReelStrips.h"

#include <cmath>

namespace slotmachine {

SlotMachine::SlotMachine(const MachineParts& parts) : parts_(parts) {}

void SlotMachine::powerOn() {
    GameState& s = state();
    s.Busy = true;
    s.Spins = 0;
    fillStrips(s, game().values());
    s.Coins = 0;
    s.LastCoins = 0;
    resetGameTotals(s, game().values());
    FullRepaint();
    s.MusicOn = true;
    s.SoundOn = true;
}

bool SlotMachine::newGame() {
    if (operationRunning_) {
        return false;
    }
    // Given back first: the reset then sets the stock, and the old game's choice
    // does not carry over into the new game's first spin.
    game().returnStockSetAside(*this);
    resetGameTotals(state(), game().values());
    FullRepaint();
    return true;
}

bool SlotMachine::keyDown(int virtualKey) {
    switch (virtualKey) {
    case KeyEnter:
    case KeySpace:
        spin();
        return true;
    case KeyBetOne:
        betOne();
        return true;
    case KeyBetFive:
        betFive();
        return true;
    default:
        return false;
    }
}

void SlotMachine::Delay(double seconds) {
    if (shuttingDown_) {
        return;
    }
    Clock& c = clock();
    c.waitUntil(c.now() + std::llround(seconds * 1000.0));
}

void SlotMachine::playSound(int number, bool waitForEnd) {
    if (state().SoundOn && !shuttingDown_) {
        parts_.audio.playSound(number, waitForEnd);
    }
}

void SlotMachine::playWinSound() {
    if (state().SoundOn && !shuttingDown_) {
        parts_.audio.playWinSound();
    }
}

void SlotMachine::ShowBonusMeter() {
    GameState& s = state();
    if (s.BonusPts > FullBonusPoints) {
        s.BonusPts = FullBonusPoints;
    }
    // A game without a bonus meter has none to draw over.
    if (game().showsBonusMeter()) {
        display().ShowBonusMeter();
    }
}

} // namespace slotmachine
