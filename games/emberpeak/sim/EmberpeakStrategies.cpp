// How the simulator spends Emberpeak's nudges.
#include "engine/core/GameContext.h"
#include "games/emberpeak/EmberpeakGame.h"
#include "games/emberpeak/NudgeAdvice.h"
#include "tools/sim/PlayableGame.h"

#include <optional>
#include <vector>

namespace slotmachine::emberpeak {

namespace {

// While nudges are offered, nudges the reel whose nudge pays the most (the lowest
// of equals), as long as one pays anything. Returns the nudges played.
int nudgeGreedily(GameContext& machine, Game& game) {
    auto* emberpeak = dynamic_cast<EmberpeakGame*>(&game);
    int played = 0;
    if (emberpeak == nullptr) {
        return played;
    }
    while (emberpeak->nudgeMode() && machine.state().Stock > 0) {
        const std::optional<int> best = bestNudge(machine.state(), emberpeak->paytable(),
                                                  expectedBoxCredits(emberpeak->values().boxValues));
        if (!best || !emberpeak->nudge(machine, *best)) {
            return played;
        }
        ++played;
    }
    return played;
}

// After each loss while nudges are offered, plays the machine's advice as the player
// would, until it advises no nudge. Returns the nudges played.
int followMachineAdvice(GameContext& machine, Game& game) {
    int played = 0;
    for (std::optional<Advice> advice = game.advice(machine); advice && advice->nudge;
         advice = game.advice(machine)) {
        if (!game.followAdvice(machine, *advice)) {
            break;
        }
        ++played;
    }
    return played;
}

} // namespace

std::vector<SimStrategy> emberpeakStrategies() {
    return {{"greedy", &nudgeGreedily}, {"advice", &followMachineAdvice}};
}

} // namespace slotmachine::emberpeak
