// The full repaint of the machine, in its fixed order.
#include "engine/core/Game.h"
#include "engine/core/MachineDisplay.h"
#include "engine/machine/SlotMachine.h"

namespace slotmachine {

void SlotMachine::FullRepaint() {
    MachineDisplay& d = display();
    Game& g = game();
    d.DrawMachinePicture();
    for (int reel = 0; reel < ReelCount; ++reel) {
        d.DrawReelAtRest(reel);
    }
    d.ShowCredits();
    d.ShowCoins();
    g.repaintStep(*this, RepaintStep::AfterMeters);
    d.DrawCaption(QStringLiteral("Credits"), CreditsMeterRight, true);
    d.DrawCaption(QStringLiteral("Coins"), CoinsMeterLeft, false);
    g.repaintStep(*this, RepaintStep::AfterCoinsCaption);
    d.DrawCaption(QStringLiteral("Winnings"), WinningsMeterRight, true);
    if (g.showsBonusMeter()) {
        ShowBonusMeter();
    }
    d.DrawPayline();
    d.DrawButton(MachineButton::BetOne, true);
    d.DrawButton(MachineButton::BetFive, true);
    d.DrawButton(MachineButton::Spin, true);
    g.repaintStep(*this, RepaintStep::AfterButtons);
    d.DrawLogo();
}

} // namespace slotmachine
