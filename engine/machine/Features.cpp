// Features that the player starts between spins (a nudge): they run as machine
// operations of their own and pay like a spin of the last bet.
#include "engine/core/Game.h"
#include "engine/machine/SlotMachine.h"

#include <utility>

namespace slotmachine {

bool SlotMachine::runFeature(const std::function<void()>& feature) {
    if (state().Busy) {
        return false;
    }
    Operation operation(*this);
    if (!operation) {
        return false;
    }
    outcome_ = SpinOutcome{};
    feature();
    return true;
}

void SlotMachine::evaluateWithLastBet() {
    GameState& s = state();
    const std::int32_t placed = std::exchange(s.Coins, s.LastCoins);
    outcome_.coins = s.Coins;
    game().evaluate(*this);
    s.Coins = placed;
}

} // namespace slotmachine
