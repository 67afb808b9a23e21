// The evaluation of the payline and the count-up that moves a win into Credits.
#include "engine/bonus/BoxShuffle.h"
#include "engine/core/BonusGame.h"
#include "engine/core/ClampedMath.h"
#include "engine/core/Game.h"
#include "engine/core/MachineDisplay.h"
#include "engine/core/MachineTimers.h"
#include "engine/machine/SlotMachine.h"
#include "engine/state/ReelStrips.h"

#include <algorithm>
#include <utility>

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
        timers().start(MachineTimer::WinLamps);
        playWinSound();
        countUp();
    }
    const bool bonusLine = rule != nullptr && rule->payout == Payout::BonusGame;
    if (bonusLine || s.BonusPts >= FullBonusPoints) {
        playBoxBonus();
    }
}

bool SlotMachine::runBonusGame() {
    GameState& s = state();
    // The game is due until a box has been opened: one that falls due while the
    // program closes, or that closes unopened, is kept with the game and played at
    // the next start. A close while it is on screen stores it as due.
    s.BonusDue = std::max(s.Coins, std::int32_t{1});
    if (shuttingDown_) {
        return false;
    }
    refillAndShuffleBoxes(s, game().values(), random());
    bool opened = false;
    {
        const struct OnScreen {
            bool& flag;
            explicit OnScreen(bool& f) : flag(f) { flag = true; }
            ~OnScreen() { flag = false; }
        } onScreen(bonusOnScreen_);
        opened = parts_.bonusGame.play(*this);
    }
    if (!opened) {
        return false;
    }
    s.BonusDue = 0;
    outcome_.bonusPlayed = true;
    outcome_.bonusPrize = std::max(0, s.SpinWin);
    return true;
}

void SlotMachine::playBoxBonus() {
    GameState& s = state();
    if (!runBonusGame()) {
        return; // closed unopened: the points stay, and the game is due
    }
    s.BonusPts = 0;
    ShowBonusMeter();
    if (s.SpinWin > 0) {
        countUp();
    }
}

void SlotMachine::playDueBonus() {
    GameState& s = state();
    // The game on screen is the one due; it is never opened twice.
    if (s.BonusDue <= 0 || bonusOnScreen_) {
        return;
    }
    Operation operation(*this);
    if (!operation) {
        return;
    }
    s.Busy = true;
    outcome_ = SpinOutcome{};
    // The prize of a holds or nudges box grows with the coins of the winning spin;
    // coins bet on the machine meanwhile stay bet.
    const std::int32_t due = std::clamp(s.BonusDue, std::int32_t{1}, game().values().coinLimit);
    const std::int32_t coinsBet = std::exchange(s.Coins, due);
    const bool opened = runBonusGame();
    s.Coins = coinsBet;
    if (opened) {
        if (s.BonusPts >= FullBonusPoints) {
            s.BonusPts = 0;
        }
        // Every meter, the holds or nudges among them, shows what the bonus gave,
        // and Coins what is bet now.
        FullRepaint();
        if (s.SpinWin > 0) {
            countUp();
        }
    }
    s.Busy = false;
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
