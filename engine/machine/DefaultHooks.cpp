// The defaults of the game hooks that are the engine's own logic: the strip code
// on the payline and the line it pays, the credit prize of a box, the red payline.
#include "engine/bonus/BoxAward.h"
#include "engine/core/Game.h"
#include "engine/core/GameContext.h"
#include "engine/display/Payline.h"
#include "engine/state/ReelStrips.h"

namespace slotmachine {

int Game::paylineSymbol(const GameContext& machine, int reel, int position) const {
    return codeAt(machine.state(), reel, position);
}

std::vector<LineResult> Game::paidLines(const GameContext& machine, std::int32_t, std::int32_t lineWin) const {
    LineResult line;
    line.row = 1;
    for (int reel = 0; reel < ReelCount; ++reel) {
        line.symbols[static_cast<std::size_t>(reel)] = paylineSymbol(machine, reel, paylinePosition(machine.state(), reel));
    }
    line.pay = lineWin;
    return {line};
}

void Game::awardBox(BoxAward& award) {
    awardCreditPrize(award, QColor(255, 255, 0));
}

void Game::drawPayline(QPainter& painter, const ReelGeometry& geometry) const {
    drawRedPayline(painter, geometry);
}

} // namespace slotmachine
