#include "engine/core/Game.h"

#include "engine/core/GameContext.h"
#include "engine/core/MachineDisplay.h"

namespace slotmachine {

std::string Game::symbolNameAt(int reel, int position) const {
    const std::string_view strip = values().strips[static_cast<std::size_t>(reel)];
    return "Symbol " + std::string(1, strip[static_cast<std::size_t>(position - 1)]);
}

bool Game::reelSpins(const GameContext&, int) const {
    return true;
}

void Game::coinBet(GameContext& machine, BetCommand) {
    machine.display().ShowCredits();
    machine.display().ShowCoins();
}
void Game::spinStarting(GameContext&) {}
void Game::buttonsDimmed(GameContext&) {}
void Game::reelFeatures(GameContext&, int) {}
void Game::evaluate(GameContext& machine) {
    machine.evaluatePayline();
}
void Game::spinSettled(GameContext&) {}

int Game::bonusPoints(GameContext&) {
    return 0;
}

bool Game::showsBonusMeter() const {
    return true;
}
void Game::repaintStep(GameContext&, RepaintStep) {}
void Game::pointerPressBeforeButtons(GameContext&, int, int) {}
void Game::pointerPressAfterButtons(GameContext&, int, int) {}
void Game::timerTick(GameContext&, MachineTimer) {}
void Game::windowCreated(GameContext&) {}
void Game::closing(GameContext&) {}

std::int32_t Game::stockSetAside(const GameContext&) const {
    return 0;
}

void Game::returnStockSetAside(GameContext&) {}

std::optional<Advice> Game::advice(const GameContext&) const {
    return std::nullopt;
}

bool Game::followAdvice(GameContext&, const Advice&) {
    return false;
}

void Game::adviceSwitched(GameContext&) {}

std::optional<ReelControl> Game::reelControl(const GameContext&, int) const {
    return std::nullopt;
}

} // namespace slotmachine
