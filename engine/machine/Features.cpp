// Features that the player starts between spins (a nudge): they run as machine
// operations of their own and pay like a spin of the last bet.
#include "engine/core/Game.h"
#include "engine/core/GameContext.h"
#include "engine/machine/MachineCommands.h"
#include "engine/machine/MachineRun.h"
#include "engine/machine/OperationGuard.h"

#include <utility>

namespace slotmachine {

bool MachineCommands::runFeature(const std::function<void()>& feature) {
    if (machine_.state().Busy) {
        return false;
    }
    OperationGuard::Scope operation(guard_);
    if (!operation) {
        return false;
    }
    run_.outcome = SpinOutcome{};
    run_.recorder.begin(machine_, PlayKind::Nudge);
    feature();
    run_.recorder.finish(machine_, run_.outcome.lineWin, run_.outcome.bonusPrize);
    return true;
}

void MachineCommands::evaluateWithLastBet() {
    GameState& s = machine_.state();
    const std::int32_t placed = std::exchange(s.Coins, s.LastCoins);
    run_.outcome.coins = s.Coins;
    machine_.game().evaluate(machine_);
    s.Coins = placed;
}

} // namespace slotmachine
