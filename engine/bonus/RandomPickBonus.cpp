#include "engine/bonus/RandomPickBonus.h"

#include "engine/bonus/BoxBonusRound.h"
#include "engine/reels/Random.h"
#include "engine/reels/SlotMachine.h"

namespace slotmachine {

void RandomPickBonus::play(SlotMachine& machine) {
    BoxBonusRound round(machine, nullptr);
    round.open(1 + machine.random()(BoxCount));
    round.close();
}

} // namespace slotmachine
