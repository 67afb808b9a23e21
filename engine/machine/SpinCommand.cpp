// The spin command: every step from the first check to the moment the machine
// takes input again, in its fixed order.
#include "engine/core/Audio.h"
#include "engine/core/Clock.h"
#include "engine/core/Dialogs.h"
#include "engine/core/Game.h"
#include "engine/core/GameContext.h"
#include "engine/core/GameState.h"
#include "engine/core/MachineDisplay.h"
#include "engine/core/MachineTimers.h"
#include "engine/machine/MachineCommands.h"
#include "engine/machine/MachineRun.h"
#include "engine/machine/OperationGuard.h"
#include "engine/machine/ReelMotion.h"

#include <QCoreApplication>

namespace slotmachine {

void MachineCommands::spin() {
    if (machine_.state().Busy || guard_.running()) {
        return;
    }
    runSpinCommand();
}

void MachineCommands::repeatLastBet() {
    GameState& s = machine_.state();
    if (s.Coins == 0 && s.LastCoins > 0 && s.Credits >= s.LastCoins) {
        s.Coins = s.LastCoins;
        s.Credits -= s.LastCoins;
        machine_.display().ShowCredits();
        machine_.display().ShowCoins();
    }
}

void MachineCommands::runSpinCommand() {
    // Whatever re-enters through the event loop while this runs (a key, a menu
    // command that cleared Busy, a second call from a bet) cannot start a spin.
    OperationGuard::Scope operation(guard_);
    if (!operation) {
        return;
    }
    GameState& s = machine_.state();
    Game& g = machine_.game();
    const std::int64_t startedAt = clock_.now();

    if (s.MusicTrack >= 10) {
        audio_.startDueTrack();
    }
    repeatLastBet();
    if (s.Coins <= 0) {
        machine_.dialogs().information(QCoreApplication::translate("SpinCommand", "No bet was placed!"));
        return;
    }
    run_.recorder.begin(machine_, PlayKind::Spin);

    machine_.timers().stop(MachineTimer::ButtonBlinking);
    machine_.timers().stop(MachineTimer::WinLamps);
    machine_.timers().stop(MachineTimer::CoinSignBlinking);
    g.spinStarting(machine_);
    machine_.display().DrawLamp(Lamp::TitleGlass, true);
    machine_.display().DrawLamp(Lamp::TitleStrip, true);
    s.Busy = true;
    machine_.display().DrawButton(MachineButton::BetOne, false);
    machine_.display().DrawButton(MachineButton::BetFive, false);
    machine_.display().DrawButton(MachineButton::Spin, false);
    machine_.display().DrawLamp(Lamp::CoinSign, true);
    g.buttonsDimmed(machine_);

    run_.outcome = SpinOutcome{};
    run_.outcome.coins = s.Coins;
    reels_.spinReels();
    run_.outcome.msToReelsAtRest = clock_.now() - startedAt;
    for (int reel = 0; reel < ReelCount; ++reel) {
        g.reelFeatures(machine_, reel);
    }
    g.evaluate(machine_);
    g.spinSettled(machine_);

    // The Coins meter keeps showing this bet until the next one is placed.
    s.LastCoins = s.Coins;
    s.Coins = 0;
    run_.recorder.finish(machine_, run_.outcome.lineWin, run_.outcome.bonusPrize);
    s.Busy = false;
    machine_.display().DrawButton(MachineButton::BetOne, true);
    machine_.display().DrawButton(MachineButton::BetFive, true);
    machine_.display().DrawButton(MachineButton::Spin, true);
    machine_.timers().start(MachineTimer::ButtonBlinking);
    if (!machine_.timers().isActive(MachineTimer::WinLamps)) {
        machine_.timers().start(MachineTimer::CoinSignBlinking);
    }
}

} // namespace slotmachine
