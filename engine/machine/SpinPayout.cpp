// The evaluation of the payline and the count-up that moves a win into Credits.
#include "engine/core/ClampedMath.h"
#include "engine/core/Game.h"
#include "engine/core/GameContext.h"
#include "engine/core/MachineDisplay.h"
#include "engine/core/MachineTimers.h"
#include "engine/machine/MachineRun.h"
#include "engine/machine/SpinPayout.h"
#include "engine/state/ReelStrips.h"

#include <QCoreApplication>
#include <algorithm>

namespace slotmachine {

namespace {
constexpr int BonusPointSound = 6;
constexpr int CountTickSound = 3;
constexpr double CountStepSeconds = 0.075;

std::int32_t countStep(std::int32_t remaining) {
    if (remaining >= 1000) {
        return 25;
    }
    if (remaining >= 100) {
        return 10;
    }
    if (remaining >= 25) {
        return 5;
    }
    return 1;
}
} // namespace

void SpinPayout::evaluatePayline() {
    GameState& s = machine_.state();
    Game& g = machine_.game();
    s.SpinWin = 0;

    int line[ReelCount];
    for (int reel = 0; reel < ReelCount; ++reel) {
        line[reel] = g.paylineSymbol(machine_, reel, paylinePosition(s, reel));
    }

    int points = g.bonusPoints(machine_);
    if (points < 0) {
        s.BonusPts = 0;
        machine_.ShowBonusMeter();
    } else if (points > 0) {
        // Worked out in 64 bits: a damaged record may hold any number of points.
        points = static_cast<int>(
            std::clamp<std::int64_t>(std::int64_t{FullBonusPoints} - s.BonusPts, 0, points));
        for (int i = 0; i < points; ++i) {
            s.BonusPts += 1;
            machine_.ShowBonusMeter();
            machine_.playSound(BonusPointSound, true);
        }
    }

    const PayRule* rule = g.paytable().match(line[0], line[1], line[2]);
    if (rule != nullptr) {
        s.SpinWin = addClamped(s.SpinWin, rule->credits(s.Coins));
    }
    run_.outcome.lineWin = s.SpinWin;
    if (s.SpinWin > 0) {
        machine_.timers().start(MachineTimer::WinLamps);
        machine_.playWinSound();
        machine_.countUp();
    }
    const bool bonusLine = rule != nullptr && rule->payout == Payout::BonusGame;
    if (bonusLine || s.BonusPts >= FullBonusPoints) {
        machine_.playBoxBonus();
    }
}

void SpinPayout::countUp() {
    GameState& s = machine_.state();
    machine_.display().DrawCaption(QCoreApplication::translate("MachineDisplay", "Winnings"),
                                   WinningsMeterRight, true);
    std::int32_t counted = 0;
    while (s.SpinWin > 0) {
        const std::int32_t step = countStep(s.SpinWin);
        s.Credits = addClamped(s.Credits, step);
        s.SpinWin -= step;
        counted = addClamped(counted, step);
        machine_.playSound(CountTickSound, false);
        machine_.display().ShowCredits();
        machine_.display().ShowWinnings(counted);
        machine_.Delay(CountStepSeconds);
    }
}

} // namespace slotmachine
