#include "engine/machine/SlotMachine.h"

#include "engine/core/Game.h"
#include "engine/state/NewGame.h"
#include "engine/state/ReelStrips.h"

namespace slotmachine {

SlotMachine::SlotMachine(const MachineParts& parts)
    : parts_(parts), effects_(parts.state, parts.audio, parts.clock, run_), repaint_(*this),
      reels_(*this, parts.clock, run_), payout_(*this, run_), bonus_(*this, parts.bonusGame, guard_, run_),
      commands_(*this, parts.audio, parts.clock, guard_, run_, reels_) {}

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
    if (guard_.running()) {
        return false;
    }
    // Given back first: the reset then sets the stock, and the old game's choice
    // does not carry over into the new game's first spin.
    game().returnStockSetAside(*this);
    resetGameTotals(state(), game().values());
    recallLog().clear();
    FullRepaint();
    return true;
}

} // namespace slotmachine
