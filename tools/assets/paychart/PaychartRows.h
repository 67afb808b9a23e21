#pragma once

#include "engine/core/Game.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace slotmachine::paychart {

// The sheet cell that pictures each symbol code, -1 for a code on no strip.
using SymbolCells = std::array<int, SymbolCodeCount>;

// For each code, the plain picture among the cells the game draws where its
// strips hold that code: the lowest of them, as a sheet holds the plain symbols
// before their variants (arrows, badges, the bonus-clear symbol). Counting uses
// would not do: a variant may stand on a strip more often than its plain symbol.
SymbolCells symbolCells(const Game& game);

// One picture in a row of the chart: a symbol, or the mark for "any other symbol".
struct ChartCell {
    enum class Kind { Symbol, AnyOther };
    Kind kind = Kind::AnyOther;
    int code = NoSymbol;
    int sheetCell = -1;
};

// One row of the chart per pay rule, in the paytable's order. A code that every
// rule of several accepts on a reel, and that one of them asks for alone, is a wild
// symbol there: the rows show the symbols it stands in for and name it in
// `wildCell`. A reel that takes every pictured symbol shows the "any" mark.
struct ChartRow {
    QString description; // the rule's description in the player's language (gameText)
    std::array<ChartCell, ReelCount> cells{};
    bool mixed = false;             // a reel accepts several symbols
    int wildCell = -1;              // the sheet cell of a wild symbol that also stands in on the line
    Payout payout = Payout::PerCoin;
    std::vector<std::int32_t> pays; // the line's credits for 1 to coinLimit coins
};

// The rows of the game's chart. Throws std::invalid_argument when a rule names a
// symbol that has no picture.
std::vector<ChartRow> chartRows(const Game& game, const SymbolCells& cells);

} // namespace slotmachine::paychart
