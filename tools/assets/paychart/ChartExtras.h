#pragma once

// What a game adds to its pay chart beside the pay table: the features the pay
// rules do not show (moving symbols, bonus symbols, wilds, holds, nudges). A game
// with extras defines <name>ChartExtras() in games/<name>/paychart/, and the build
// enters it in the catalog (cmake/SlotsGame.cmake).

#include "engine/core/Game.h"
#include "tools/assets/paychart/ChartStyle.h"

#include <QRectF>
#include <string_view>
#include <vector>

class QPainter;

namespace slotmachine::paychart {

struct ChartExtras {
    int panelWidth = 0;     // of the panel at the right of the pay table
    std::vector<int> cells; // the sheet cells the panel draws, checked before drawing
    void (*paint)(QPainter& painter, const QRectF& panel, const SymbolSheet& sheet,
                  const Game& game) = nullptr;
};

struct GameChartExtras {
    std::string_view game;
    const ChartExtras& (*extras)();
};

// The games with extras, in the catalog's order (a table written at configure time).
const std::vector<GameChartExtras>& gameChartExtras();

// The extras of the named game, or null for a game whose chart is its pay table alone.
const ChartExtras* chartExtras(std::string_view gameName);

} // namespace slotmachine::paychart
