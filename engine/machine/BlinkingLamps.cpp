#include "engine/machine/BlinkingLamps.h"

#include "engine/core/MachineDisplay.h"
#include "engine/core/MachineTimers.h"
#include "engine/core/Random.h"
#include "engine/machine/SlotMachine.h"

namespace slotmachine {

void BlinkingLamps::blinkButtons() {
    MachineDisplay& d = machine_.display();
    if (machine_.state().Coins > 0 || machine_.timers().isActive(MachineTimer::WinLamps)) {
        SpinBlink = !SpinBlink;
        d.DrawButton(MachineButton::BetOne, true);
        d.DrawButton(MachineButton::Spin, SpinBlink);
        d.DrawButton(MachineButton::BetFive, true);
        return;
    }
    int next = AttractButton;
    while (next == AttractButton) {
        next = machine_.random()(3);
    }
    AttractButton = next;
    d.DrawButton(MachineButton::BetOne, AttractButton == 0);
    d.DrawButton(MachineButton::Spin, AttractButton == 1);
    d.DrawButton(MachineButton::BetFive, AttractButton == 2);
}

void BlinkingLamps::blinkWinLamps() {
    MachineDisplay& d = machine_.display();
    d.DrawLamp(Lamp::TitleStrip, GlassPhase);
    GlassPhase = !GlassPhase;
    d.DrawLamp(Lamp::TitleGlass, GlassPhase);
}

void BlinkingLamps::blinkCoinSign() {
    SignPhase = !SignPhase;
    machine_.display().DrawLamp(Lamp::CoinSign, SignPhase);
}

} // namespace slotmachine
