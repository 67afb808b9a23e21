// The player's keys, and Bet One and Bet Five: coins move from Credits onto the
// coming spin, and the coin that reaches the game's limit starts the spin.
#include "engine/core/Audio.h"
#include "engine/core/Dialogs.h"
#include "engine/core/Game.h"
#include "engine/core/GameContext.h"
#include "engine/core/MachineDisplay.h"
#include "engine/machine/MachineCommands.h"
#include "engine/machine/OperationGuard.h"

#include <QCoreApplication>

namespace slotmachine {

namespace {
constexpr int CoinSound = 1;
}

void MachineCommands::betOne() {
    GameState& s = machine_.state();
    if (s.Busy || guard_.running()) {
        return;
    }
    if (s.Credits < 1) {
        machine_.dialogs().information(
            QCoreApplication::translate("Betting", "You are out of credits...better borrow some!"));
        return;
    }
    const std::int32_t limit = machine_.game().values().coinLimit;
    if (s.Coins >= limit) {
        return;
    }
    machine_.playSound(CoinSound, false);
    s.Coins += 1;
    s.Credits -= 1;
    machine_.game().coinBet(machine_, BetCommand::BetOne);
    if (s.Coins == limit) {
        runSpinCommand();
    }
}

void MachineCommands::betFive() {
    GameState& s = machine_.state();
    if (s.Busy || guard_.running()) {
        return;
    }
    const std::int32_t limit = machine_.game().values().coinLimit;
    while (s.Credits >= 1 && s.Coins < limit) {
        s.Coins += 1;
        s.Credits -= 1;
        machine_.game().coinBet(machine_, BetCommand::BetFive);
        machine_.playSound(CoinSound, false);
    }
    if (s.Coins == limit) {
        runSpinCommand();
    }
}

bool MachineCommands::keyDown(int virtualKey) {
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

} // namespace slotmachine
