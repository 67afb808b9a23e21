#pragma once

#include "engine/core/GameState.h"

#include <span>

namespace slotmachine::pawlane {

// Symbol codes on the Pawlane strips: 0 is wild, 1 to 7 the animals.
inline constexpr int Wild = 0;
inline constexpr int SymbolCount = 8;
// A marked stop is drawn from the cell of its symbol plus this.
inline constexpr int MarkedCellOffset = 8;

// What a marked stop does when it shows on the row of an active line.
enum class MarkEffect { Points, Reset, Hold };

struct MarkedStop {
    int reel;
    int position;
    MarkEffect effect;
    int points = 0; // for MarkEffect::Points
};

std::span<const MarkedStop> markedStops();

// The marked stop at (reel, position), or null for a plain one.
const MarkedStop* markedStopAt(int reel, int position);

// The symbol code (0 to 7) of a strip position; a marked stop counts as its symbol.
int symbolAt(int reel, int position);

// The cell of the symbol sheet for a strip position: the symbol's own, or its
// marked variant eight cells on.
int cellAt(int reel, int position);

} // namespace slotmachine::pawlane
