#include "engine/bonus/RandomPickBonus.h"

#include "engine/bonus/BoxBonusRound.h"
#include "engine/reels/Random.h"
#include "engine/reels/SlotMachine.h"

namespace slotmachine {

bool RandomPickBonus::play(SlotMachine& machine) {
    BoxBonusRound round(machine, nullptr);
    round.open(1 + machine.random()(BoxCount));
    round.close();
    return true;
}

} // namespace slotmachine
