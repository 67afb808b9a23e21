// Emberpeak's evaluation of the payline, with its bonus game inside it, and the
// award step of that bonus game.
#include "engine/bonus/BoxAward.h"
#include "engine/core/ClampedMath.h"
#include "engine/core/GameContext.h"
#include "engine/core/MachineTimers.h"
#include "engine/state/ReelStrips.h"
#include "games/emberpeak/EmberpeakGame.h"
#include "games/emberpeak/EmberpeakTimers.h"
#include "games/emberpeak/NudgeButtons.h"
#include "games/emberpeak/NudgeCount.h"

#include <QCoreApplication>

namespace slotmachine::emberpeak {

namespace {
// A box holding 1 holds nudges, twice the coins bet, instead of credits.
constexpr std::int32_t NudgeBox = 1;
constexpr std::int32_t NudgesPerCoin = 2;
} // namespace

void EmberpeakGame::evaluate(GameContext& machine) {
    GameState& s = machine.state();
    MachineTimers& timers = machine.timers();
    s.SpinWin = 0;
    nudgeMode_ = false;

    const int a = codeAt(s, 0, paylinePosition(s, 0));
    const int b = codeAt(s, 1, paylinePosition(s, 1));
    const int c = codeAt(s, 2, paylinePosition(s, 2));
    const bool wild = c == WildSymbol;
    if (wild) {
        timers.start(WildAnimationTimer);
    }

    const PayRule* rule = paytable_.match(a, b, c);
    if (rule == nullptr) {
        nudgeMode_ = true;
    } else if (rule->payout == Payout::BonusGame) {
        timers.stop(MachineTimer::WinLamps);
        // Not played while the program closes: the bonus game is then kept as due.
        if (machine.runBonusGame() && s.SpinWin > 0) {
            machine.countUp();
        }
        ShowNudges(machine);
    } else {
        s.SpinWin = rule->credits(s.Coins);
    }
    machine.noteLineWin(s.SpinWin);

    if (wild) {
        s.Stock = addClamped(s.Stock, 1);
    }
    ShowNudges(machine);
    if (s.SpinWin > 0 && s.SpinWin >= s.Coins) {
        machine.playWinSound();
    }
    if (s.SpinWin > 0) {
        timers.start(MachineTimer::WinLamps);
        drawNudgeButtons(machine.display(), false);
        nudgeMode_ = false;
        machine.countUp();
    } else if (s.Stock > 0) {
        timers.start(NudgeButtonBlinking);
    }
}

void EmberpeakGame::awardBox(BoxAward& award) {
    if (award.BonusPrize <= 0) {
        return;
    }
    GameState& s = award.state;
    QString text;
    if (award.BonusPrize == NudgeBox) {
        const std::int32_t nudges = multiplyClamped(NudgesPerCoin, s.Coins);
        //: the bonus game's prize of nudges, at least 2
        text = QCoreApplication::translate("EmberpeakEvaluation", "%1 Nudges!").arg(nudges);
        s.Stock = addClamped(s.Stock, nudges);
    } else {
        //: the bonus game's prize of credits
        text = QCoreApplication::translate("EmberpeakEvaluation", "%1 Credits!").arg(award.BonusPrize);
        s.SpinWin = award.BonusPrize;
    }
    drawPrizeText(award, text, QColor(255, 0, 0));
}

} // namespace slotmachine::emberpeak
