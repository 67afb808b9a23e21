// The box bonus game as the machine runs it: after a winning spin, and as a game
// kept due from an earlier run.
#include "engine/bonus/BoxShuffle.h"
#include "engine/core/BonusGame.h"
#include "engine/core/Game.h"
#include "engine/core/GameContext.h"
#include "engine/machine/BonusRunner.h"
#include "engine/machine/MachineRun.h"
#include "engine/machine/OperationGuard.h"

#include <algorithm>
#include <utility>

namespace slotmachine {

bool BonusRunner::runBonusGame() {
    GameState& s = machine_.state();
    // The game is due until a box has been opened: one that falls due while the
    // program closes, or that closes unopened, is kept with the game and played at
    // the next start. A close while it is on screen stores it as due.
    s.BonusDue = std::max(s.Coins, std::int32_t{1});
    if (run_.shuttingDown) {
        return false;
    }
    refillAndShuffleBoxes(s, machine_.game().values(), machine_.random());
    bool opened = false;
    {
        const struct OnScreen {
            bool& flag;
            explicit OnScreen(bool& f) : flag(f) { flag = true; }
            ~OnScreen() { flag = false; }
        } onScreen(bonusOnScreen_);
        opened = bonusGame_.play(machine_);
    }
    if (!opened) {
        return false;
    }
    s.BonusDue = 0;
    run_.outcome.bonusPlayed = true;
    run_.outcome.bonusPrize = std::max(0, s.SpinWin);
    return true;
}

void BonusRunner::playBoxBonus() {
    GameState& s = machine_.state();
    if (!runBonusGame()) {
        return; // closed unopened: the points stay, and the game is due
    }
    s.BonusPts = 0;
    machine_.ShowBonusMeter();
    if (s.SpinWin > 0) {
        machine_.countUp();
    }
}

void BonusRunner::playDueBonus() {
    GameState& s = machine_.state();
    // The game on screen is the one due; it is never opened twice.
    if (s.BonusDue <= 0 || bonusOnScreen_) {
        return;
    }
    OperationGuard::Scope operation(guard_);
    if (!operation) {
        return;
    }
    s.Busy = true;
    run_.outcome = SpinOutcome{};
    // The prize of a holds or nudges box grows with the coins of the winning spin;
    // coins bet on the machine meanwhile stay bet.
    const std::int32_t due = std::clamp(s.BonusDue, std::int32_t{1}, machine_.game().values().coinLimit);
    run_.recorder.begin(machine_, PlayKind::Bonus);
    const std::int32_t coinsBet = std::exchange(s.Coins, due);
    const bool opened = runBonusGame();
    s.Coins = coinsBet;
    if (!opened) {
        run_.recorder.cancel();
    }
    if (opened) {
        if (s.BonusPts >= FullBonusPoints) {
            s.BonusPts = 0;
        }
        // Every meter, the holds or nudges among them, shows what the bonus gave,
        // and Coins what is bet now.
        machine_.FullRepaint();
        if (s.SpinWin > 0) {
            machine_.countUp();
        }
        run_.recorder.finish(machine_, 0, run_.outcome.bonusPrize);
    }
    s.Busy = false;
}

} // namespace slotmachine
