#include "engine/bonus/RandomPickBonus.h"

#include "engine/bonus/BoxBonusRound.h"
#include "engine/core/GameContext.h"
#include "engine/core/Random.h"

namespace slotmachine {

bool RandomPickBonus::play(GameContext& machine) {
    BoxBonusRound round(machine, nullptr);
    round.open(1 + machine.random()(BoxCount));
    round.close();
    return true;
}

} // namespace slotmachine
