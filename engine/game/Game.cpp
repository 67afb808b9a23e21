#include "engine/game/Game.h"

#include "engine/bonus/BoxAward.h"
#include "engine/display/MachineDisplay.h"
#include "engine/display/Payline.h"
#include "engine/reels/ReelStrips.h"
#include "engine/reels/SlotMachine.h"

namespace slotmachine {

int Game::paylineSymbol(const SlotMachine& machine, int reel, int position) const {
    return codeAt(machine.state(), reel, position);
}

bool Game::reelSpins(const SlotMachine&, int) const {
    return true;
}

void Game::coinBet(SlotMachine& machine, BetCommand) {
    machine.display().ShowCredits();
    machine.display().ShowCoins();
}
void Game::spinStarting(SlotMachine&) {}
void Game::buttonsDimmed(SlotMachine&) {}
void Game::reelFeatures(SlotMachine&, int) {}
void Game::evaluate(SlotMachine& machine) {
    machine.evaluatePayline();
}
void Game::spinSettled(SlotMachine&) {}

int Game::bonusPoints(SlotMachine&) {
    return 0;
}
void Game::awardBox(BoxAward& award) {
    awardCreditPrize(award, QColor(255, 255, 0));
}

void Game::drawPayline(QPainter& painter, const ReelGeometry& geometry) const {
    drawRedPayline(painter, geometry);
}
bool Game::showsBonusMeter() const {
    return true;
}
void Game::repaintStep(SlotMachine&, RepaintStep) {}
void Game::pointerPressBeforeButtons(SlotMachine&, int, int) {}
void Game::pointerPressAfterButtons(SlotMachine&, int, int) {}
void Game::timerTick(SlotMachine&, MachineTimer) {}
void Game::windowCreated(SlotMachine&) {}
void Game::closing(SlotMachine&) {}

std::int32_t Game::stockSetAside(const SlotMachine&) const {
    return 0;
}

void Game::returnStockSetAside(SlotMachine&) {}

} // namespace slotmachine
