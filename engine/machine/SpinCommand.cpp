// The spin command: every step from the first check to the moment the machine
// takes input again, in its fixed order.
#include "engine/core/Audio.h"
#include "engine/core/Clock.h"
#include "engine/core/Dialogs.h"
#include "engine/core/Game.h"
#include "engine/core/MachineDisplay.h"
#include "engine/core/MachineTimers.h"
#include "engine/machine/SlotMachine.h"

namespace slotmachine {

void SlotMachine::spin() {
    if (state().Busy || operationRunning_) {
        return;
    }
    runSpinCommand();
}

void SlotMachine::repeatLastBet() {
    GameState& s = state();
    if (s.Coins == 0 && s.LastCoins > 0 && s.Credits >= s.LastCoins) {
        s.Coins = s.LastCoins;
        s.Credits -= s.LastCoins;
        display().ShowCredits();
        display().ShowCoins();
    }
}

void SlotMachine::runSpinCommand() {
    // Whatever re-enters through the event loop while this runs (a key, a menu
    // command that cleared Busy, a second call from a bet) cannot start a spin.
    Operation operation(*this);
    if (!operation) {
        return;
    }
    GameState& s = state();
    Game& g = game();
    const std::int64_t startedAt = clock().now();

    if (s.MusicTrack >= 10) {
        parts_.audio.startDueTrack();
    }
    repeatLastBet();
    if (s.Coins <= 0) {
        dialogs().information(QStringLiteral("No bet was placed!"));
        return;
    }

    timers().stop(MachineTimer::ButtonBlinking);
    timers().stop(MachineTimer::WinLamps);
    timers().stop(MachineTimer::CoinSignBlinking);
    g.spinStarting(*this);
    display().DrawLamp(Lamp::TitleGlass, true);
    display().DrawLamp(Lamp::TitleStrip, true);
    s.Busy = true;
    display().DrawButton(MachineButton::BetOne, false);
    display().DrawButton(MachineButton::BetFive, false);
    display().DrawButton(MachineButton::Spin, false);
    display().DrawLamp(Lamp::CoinSign, true);
    g.buttonsDimmed(*this);

    outcome_ = SpinOutcome{};
    outcome_.coins = s.Coins;
    animateReels();
    outcome_.msToReelsAtRest = clock().now() - startedAt;
    for (int reel = 0; reel < ReelCount; ++reel) {
        g.reelFeatures(*this, reel);
    }
    g.evaluate(*this);
    g.spinSettled(*this);

    // The Coins meter keeps showing this bet until the next one is placed.
    s.LastCoins = s.Coins;
    s.Coins = 0;
    s.Busy = false;
    display().DrawButton(MachineButton::BetOne, true);
    display().DrawButton(MachineButton::BetFive, true);
    display().DrawButton(MachineButton::Spin, true);
    timers().start(MachineTimer::ButtonBlinking);
    if (!timers().isActive(MachineTimer::WinLamps)) {
        timers().start(MachineTimer::CoinSignBlinking);
    }
}

} // namespace slotmachine
