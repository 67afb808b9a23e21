// How the simulator spends Emberpeak's nudges.
#include "engine/core/GameContext.h"
#include "engine/state/ReelStrips.h"
#include "games/emberpeak/EmberpeakGame.h"
#include "tools/sim/PlayableGame.h"

#include <vector>

namespace slotmachine::emberpeak {

namespace {

// The credits a bonus game brings on average: one of the eight boxes at random,
// of which only the credit boxes pay.
double expectedBoxCredits(const GameValues& values) {
    double total = 0;
    for (const std::int32_t value : values.boxValues) {
        total += value > 1 ? value : 0;
    }
    return total / static_cast<double>(values.boxValues.size());
}

// What nudging `reel` would pay with the last bet, in credits.
double nudgeValue(const GameContext& machine, const EmberpeakGame& game, int reel) {
    const GameState& s = machine.state();
    int line[ReelCount];
    for (int r = 0; r < ReelCount; ++r) {
        int position = paylinePosition(s, r);
        if (r == reel) {
            position = previousPosition(position);
        }
        line[r] = codeAt(s, r, position);
    }
    const PayRule* rule = game.paytable().match(line[0], line[1], line[2]);
    if (rule == nullptr) {
        return 0;
    }
    if (rule->payout == Payout::BonusGame) {
        return expectedBoxCredits(game.values());
    }
    return rule->credits(s.LastCoins);
}

// While nudges are offered, nudges the reel whose nudge pays the most (the lowest
// of equals), as long as one pays anything. Returns the nudges played.
int nudgeGreedily(GameContext& machine, Game& game) {
    auto* emberpeak = dynamic_cast<EmberpeakGame*>(&game);
    int played = 0;
    if (emberpeak == nullptr) {
        return played;
    }
    while (emberpeak->nudgeMode() && machine.state().Stock > 0) {
        int best = -1;
        double bestValue = 0;
        for (int reel = 0; reel < ReelCount; ++reel) {
            const double value = nudgeValue(machine, *emberpeak, reel);
            if (value > bestValue) {
                best = reel;
                bestValue = value;
            }
        }
        if (best < 0 || !emberpeak->nudge(machine, best)) {
            return played;
        }
        ++played;
    }
    return played;
}

} // namespace

std::vector<SimStrategy> emberpeakStrategies() {
    return {{"greedy", &nudgeGreedily}};
}

} // namespace slotmachine::emberpeak
