// Spending a nudge: the press on a nudge button, the reel's move down one stop,
// and the evaluation of the new payline with the last bet.
#include "engine/core/ClampedMath.h"
#include "engine/core/GameContext.h"
#include "engine/core/MachineDisplay.h"
#include "engine/core/MachineTimers.h"
#include "games/emberpeak/EmberpeakGame.h"
#include "games/emberpeak/EmberpeakTimers.h"
#include "games/emberpeak/NudgeAdvice.h"
#include "games/emberpeak/NudgeButtons.h"
#include "games/emberpeak/NudgeCount.h"

#include <QtGlobal>

namespace slotmachine::emberpeak {

namespace {

constexpr int ReelStopSound = 0;

// Coins bet since the losing spin are not played by the nudge, which pays the
// last bet: they go back to Credits.
void returnCoinsBet(GameContext& machine) {
    GameState& s = machine.state();
    if (s.Coins <= 0) {
        return;
    }
    s.Credits = addClamped(s.Credits, s.Coins);
    s.Coins = 0;
    machine.display().ShowCredits();
    machine.display().ShowCoins();
}

} // namespace

bool EmberpeakGame::nudge(GameContext& machine, int reel) {
    if (!nudgeMode_ || machine.state().Stock <= 0 || reel < 0 || reel >= ReelCount) {
        return false;
    }
    return machine.runFeature([this, &machine, reel] {
        GameState& s = machine.state();
        machine.timers().stop(NudgeButtonBlinking);
        s.Stock -= 1;
        ShowNudges(machine);
        nudgeMode_ = false;

        machine.slideReelDown(reel);
        machine.playSound(ReelStopSound, false);
        machine.settleBounce(reel);

        returnCoinsBet(machine);
        machine.evaluateWithLastBet();
        switchOffWhenNoneLeft(machine);
    });
}

void EmberpeakGame::switchOffWhenNoneLeft(GameContext& machine) {
    if (machine.state().Stock > 0) {
        return;
    }
    nudgeMode_ = false;
    machine.timers().stop(NudgeButtonBlinking);
    drawNudgeButtons(machine.display(), false);
}

void EmberpeakGame::pointerPressBeforeButtons(GameContext& machine, int x, int y) {
    if (!nudgeMode_ || machine.state().Stock <= 0) {
        return;
    }
    const int reel = nudgeButtonAt(machine.geometry(), x, y);
    if (reel >= 0) {
        nudge(machine, reel); // refused while a spin or another nudge runs
    }
}

std::optional<ReelControl> EmberpeakGame::reelControl(const GameContext& machine, int reel) const {
    if (reel < 0 || reel >= ReelCount) {
        return std::nullopt;
    }
    // As nudge() refuses: no offer, no nudges left, or a spin or nudge under way.
    const bool offered =
        nudgeMode_ && machine.state().Stock > 0 && !machine.state().Busy && !machine.operationRunning();
    //: what pressing a nudge button does to its reel
    return ReelControl{.name = QT_TRANSLATE_NOOP("GameText", "Nudge"),
                       .place = NudgeButtonPlaces[static_cast<std::size_t>(reel)],
                       .offered = offered};
}

std::optional<Advice> EmberpeakGame::advice(const GameContext& machine) const {
    const GameState& s = machine.state();
    if (!nudgeMode_ || s.Stock <= 0) {
        return std::nullopt;
    }
    Advice advice;
    advice.nudge = bestNudge(s, paytable_, expectedBoxCredits(values().boxValues));
    return advice;
}

bool EmberpeakGame::followAdvice(GameContext& machine, const Advice& advice) {
    if (!advice.nudge || !nudgeMode_ || machine.state().Stock <= 0) {
        return false;
    }
    const bool played = nudge(machine, *advice.nudge);
    switchOffWhenNoneLeft(machine);
    return played;
}

void EmberpeakGame::pointerPressAfterButtons(GameContext& machine, int, int) {
    switchOffWhenNoneLeft(machine);
}

} // namespace slotmachine::emberpeak
