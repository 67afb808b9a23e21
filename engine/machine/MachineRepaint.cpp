// The full repaint of the machine, in its fixed order, and the bonus meter.
#include "engine/core/Game.h"
#include "engine/core/GameContext.h"
#include "engine/core/GameState.h"
#include "engine/core/MachineDisplay.h"
#include "engine/machine/MachineRepaint.h"

#include <QCoreApplication>

namespace slotmachine {

void MachineRepaint::FullRepaint() {
    MachineDisplay& d = machine_.display();
    Game& g = machine_.game();
    d.DrawMachinePicture();
    for (int reel = 0; reel < ReelCount; ++reel) {
        d.DrawReelAtRest(reel);
    }
    d.ShowCredits();
    d.ShowCoins();
    g.repaintStep(machine_, RepaintStep::AfterMeters);
    d.DrawCaption(QCoreApplication::translate("MachineDisplay", "Credits"), CreditsMeterRight, true);
    d.DrawCaption(QCoreApplication::translate("MachineDisplay", "Coins"), CoinsMeterLeft, false);
    g.repaintStep(machine_, RepaintStep::AfterCoinsCaption);
    d.DrawCaption(QCoreApplication::translate("MachineDisplay", "Winnings"), WinningsMeterRight, true);
    if (g.showsBonusMeter()) {
        ShowBonusMeter();
    }
    d.DrawPayline();
    d.DrawButton(MachineButton::BetOne, true);
    d.DrawButton(MachineButton::BetFive, true);
    d.DrawButton(MachineButton::Spin, true);
    g.repaintStep(machine_, RepaintStep::AfterButtons);
    d.DrawLogo();
}

void MachineRepaint::ShowBonusMeter() {
    GameState& s = machine_.state();
    if (s.BonusPts > FullBonusPoints) {
        s.BonusPts = FullBonusPoints;
    }
    // A game without a bonus meter has none to draw over.
    if (machine_.game().showsBonusMeter()) {
        machine_.display().ShowBonusMeter();
    }
}

} // namespace slotmachine
