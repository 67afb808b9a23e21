// Emberpeak's own snapshots: the wild symbol's largest flame, the nudge buttons
// lit after a losing spin, and a reel halfway through its nudge.
#include "engine/machine/SlotMachine.h"
#include "games/Catalog.h"
#include "games/emberpeak/EmberpeakGame.h"
#include "games/emberpeak/EmberpeakTimers.h"

namespace slotmachine::emberpeak {

namespace {

constexpr int SpinsToTry = 2000;

// The payline shows the wild symbol at start; two frames on, its flame is tallest.
void wildFlame(SlotMachine& machine, Game& game) {
    game.windowCreated(machine);
    game.timerTick(machine, WildAnimationTimer);
    game.timerTick(machine, WildAnimationTimer);
}

void loseASpin(SlotMachine& machine, Game& game) {
    const auto& emberpeak = static_cast<const EmberpeakGame&>(game);
    for (int spin = 0; spin < SpinsToTry && !emberpeak.nudgeMode(); ++spin) {
        machine.betFive();
    }
}

// Nudges offered: the buttons blink lit.
void nudgesOffered(SlotMachine& machine, Game& game) {
    loseASpin(machine, game);
    game.timerTick(machine, NudgeButtonBlinking);
}

void nudgeCentreReel(SlotMachine& machine, Game& game) {
    static_cast<EmberpeakGame&>(game).nudge(machine, 1);
}

// The nudge's move takes eight steps; the fourth is halfway down.
constexpr int HalfwayThroughTheMove = 4;

} // namespace

std::vector<SnapshotScene> emberpeakScenes() {
    return {{"wild", &wildFlame},
            {"nudges", &nudgesOffered},
            {"nudging", &loseASpin, &nudgeCentreReel, HalfwayThroughTheMove}};
}

} // namespace slotmachine::emberpeak
