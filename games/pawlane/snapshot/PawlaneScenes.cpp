// Pawlane's own snapshots: winning line bars, and hold lamps after a losing spin.
#include "engine/machine/SlotMachine.h"
#include "games/Catalog.h"
#include "games/pawlane/PawlaneGame.h"
#include "games/pawlane/PawlaneTimers.h"

namespace slotmachine::pawlane {

namespace {

constexpr int SpinsToTry = 2000;

// Three coins a spin until two lines or more pay; their bars show lit.
void winningLines(SlotMachine& machine, Game& game) {
    const auto& pawlane = static_cast<const PawlaneGame&>(game);
    const auto linesWon = [&] {
        int won = 0;
        for (int line = 0; line < LineCount; ++line) {
            won += pawlane.lineBars().won(line) ? 1 : 0;
        }
        return won;
    };
    for (int spin = 0; spin < SpinsToTry && linesWon() < 2; ++spin) {
        machine.betFive();
    }
    game.timerTick(machine, WinningLineBlinking);
}

// A losing spin opens the holds; the lamps blink lit.
void holdLampsBlinking(SlotMachine& machine, Game& game) {
    auto& pawlane = static_cast<PawlaneGame&>(game);
    for (int spin = 0; spin < SpinsToTry && !pawlane.holds().allowed(); ++spin) {
        machine.betFive();
    }
    game.timerTick(machine, HoldLampBlinking);
}

// Two reels held after a losing spin: their lamps lit, the third one unlit.
void twoReelsHeld(SlotMachine& machine, Game& game) {
    auto& pawlane = static_cast<PawlaneGame&>(game);
    for (int spin = 0; spin < SpinsToTry && !pawlane.holds().allowed(); ++spin) {
        machine.betFive();
    }
    pawlane.holds().hold(machine, 0);
    pawlane.holds().hold(machine, 2);
    pawlane.holds().drawLamps(machine, false);
}

} // namespace

std::vector<SnapshotScene> pawlaneScenes() {
    return {{"lines", &winningLines}, {"holds", &holdLampsBlinking}, {"held", &twoReelsHeld}};
}

} // namespace slotmachine::pawlane
