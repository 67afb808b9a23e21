// The defaults of the game hooks that are the engine's own logic: the strip code
// on the payline, the credit prize of a box, the red payline.
#include "engine/bonus/BoxAward.h"
#include "engine/core/Game.h"
#include "engine/core/GameContext.h"
#include "engine/display/Payline.h"
#include "engine/state/ReelStrips.h"

namespace slotmachine {

int Game::paylineSymbol(const GameContext& machine, int reel, int position) const {
    return codeAt(machine.state(), reel, position);
}

void Game::awardBox(BoxAward& award) {
    awardCreditPrize(award, QColor(255, 255, 0));
}

void Game::drawPayline(QPainter& painter, const ReelGeometry& geometry) const {
    drawRedPayline(painter, geometry);
}

} // namespace slotmachine
