// Bet One and Bet Five: coins move from Credits onto the coming spin, and the coin
// that reaches the game's limit starts the spin.
#include "engine/core/Audio.h"
#include "engine/core/Dialogs.h"
#include "engine/core/Game.h"
#include "engine/core/MachineDisplay.h"
#include "engine/machine/SlotMachine.h"

namespace slotmachine {

namespace {
constexpr int CoinSound = 1;
}

void SlotMachine::betOne() {
    GameState& s = state();
    if (s.Busy || operationRunning_) {
        return;
    }
    if (s.Credits < 1) {
        dialogs().information(QStringLiteral("You are out of credits...better borrow some!"));
        return;
    }
    const std::int32_t limit = game().values().coinLimit;
    if (s.Coins >= limit) {
        return;
    }
    playSound(CoinSound, false);
    s.Coins += 1;
    s.Credits -= 1;
    game().coinBet(*this, BetCommand::BetOne);
    if (s.Coins == limit) {
        runSpinCommand();
    }
}

void SlotMachine::betFive() {
    GameState& s = state();
    if (s.Busy || operationRunning_) {
        return;
    }
    const std::int32_t limit = game().values().coinLimit;
    while (s.Credits >= 1 && s.Coins < limit) {
        s.Coins += 1;
        s.Credits -= 1;
        game().coinBet(*this, BetCommand::BetFive);
        playSound(CoinSound, false);
    }
    if (s.Coins == limit) {
        runSpinCommand();
    }
}

} // namespace slotmachine
