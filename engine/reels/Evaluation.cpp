// The evaluation of the payline and the count-up that moves a win into Credits.
#include "engine/bonus/BonusGame.h"
#include "engine/bonus/BoxShuffle.h"
#include "engine/display/MachineDisplay.h"
#include "engine/display/MachineTimers.h"
#include "engine/game/Game.h"
#include "engine/reels/ReelStrips.h"
#include "engine/reels/SlotMachine.h"
#include "engine/state/ClampedMath.h"

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

void SlotMachine::evaluatePayline() {
    GameState& s = state();
    Game& g = game();
    s.SpinWin = 0;

    int line[ReelCount];
    for (int reel = 0; reel < ReelCount; ++reel) {
        line[reel] = g.paylineSymbol(*this, reel, paylinePosition(s, reel));
    }

    int points = g.bonusPoints(*this);
    if (points < 0) {
        s.BonusPts = 0;
        ShowBonusMeter();
    } else if (points > 0) {
        // Worked out in 64 bits: a damaged record may hold any number of points.
        points = static_cast<int>(
            std::clamp<std::int64_t>(std::int64_t{FullBonusPoints} - s.BonusPts, 0, points));
        for (int i = 0; i < points; ++i) {
            s.BonusPts += 1;
            ShowBonusMeter();
            playSound(BonusPointSound, true);
        }
    }

    const PayRule* rule = g.paytable().match(line[0], line[1], line[2]);
    if (rule != nullptr) {
        s.SpinWin = addClamped(s.SpinWin, rule->credits(s.Coins));
    }
    outcome_.lineWin = s.SpinWin;
    if (s.SpinWin > 0) {
        timers().start(MachineTimer::Timer3);
        playWinSound();
        countUp();
    }
    // A bonus that falls due while the program closes stays due for the next spin.
    const bool bonusLine = rule != nullptr && rule->payout == Payout::BonusGame;
    if ((bonusLine || s.BonusPts >= FullBonusPoints) && !shuttingDown_) {
        playBoxBonus();
    }
}

bool SlotMachine::runBonusGame() {
    GameState& s = state();
    refillAndShuffleBoxes(s, game().values(), random());
    if (!parts_.bonusGame.play(*this)) {
        return false;
    }
    outcome_.bonusPlayed = true;
    outcome_.bonusPrize = std::max(0, s.SpinWin);
    return true;
}

void SlotMachine::playBoxBonus() {
    GameState& s = state();
    if (!runBonusGame()) {
        return; // closed unopened: the points stay, and the next spin opens it again
    }
    s.BonusPts = 0;
    ShowBonusMeter();
    if (s.SpinWin > 0) {
        countUp();
    }
}

void SlotMachine::countUp() {
    GameState& s = state();
    display().DrawCaption(QStringLiteral("Winnings"), WinningsMeterRight, true);
    std::int32_t counted = 0;
    while (s.SpinWin > 0) {
        const std::int32_t step = countStep(s.SpinWin);
        s.Credits = addClamped(s.Credits, step);
        s.SpinWin -= step;
        counted = addClamped(counted, step);
        playSound(CountTickSound, false);
        display().ShowCredits();
        display().ShowWinnings(counted);
        Delay(CountStepSeconds);
    }
}

} // namespace slotmachine
