#pragma once

// What a game adds to its pay chart beside the pay table: the features the pay
// rules do not show (moving symbols, bonus symbols, wilds, holds, nudges). A game
// with extras defines <name>ChartExtras() in games/<name>/paychart/, and the build
// hands it to the game's docs program (cmake/SlotsGame.cmake).

#include "engine/core/Game.h"
#include "tools/assets/paychart/ChartStyle.h"

#include <QRectF>
#include <vector>

class QPainter;

namespace slotmachine::paychart {

struct ChartExtras {
    int panelWidth = 0;     // of the panel at the right of the pay table
    std::vector<int> cells; // the sheet cells the panel draws, checked before drawing
    void (*paint)(QPainter& painter, const QRectF& panel, const SymbolSheet& sheet,
                  const Game& game) = nullptr;
};

} // namespace slotmachine::paychart
