#pragma once

#include "engine/core/GameState.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace slotmachine::orevein {

// Symbol codes on the Orevein strips.
inline constexpr int Nugget = 0; // the top symbol: pays alone, in pairs and three of a kind
inline constexpr int Ingot = 1;  // pays three of a kind only
inline constexpr int Cart = 2;   // the three minor symbols: three of a kind, or any mix of them
inline constexpr int Lantern = 3;
inline constexpr int Pickaxe = 4;
inline constexpr int Blank = 9;

// Positions whose symbol is drawn as a variant with a feature of its own.
enum class Mark { Up, Down, Bonus, Clear };

struct MarkedPosition {
    int reel;
    int position;
    Mark mark;
};

std::span<const MarkedPosition> markedPositions();

// Cells of the symbol sheet: a plain symbol is drawn from the cell of its code,
// an Up, Down or bonus variant of a minor symbol from 5, 8 or 11 onwards, the
// bonus-clear symbol from 14 and the blank from 15.
inline constexpr int FirstUpCell = 5;
inline constexpr int FirstDownCell = 8;
inline constexpr int FirstBonusCell = 11;
inline constexpr int ClearCell = 14;
inline constexpr int BlankCell = 15;

// The symbol drawn from a cell in words ("Lantern with an Up arrow"), marked for
// translation in context "GameText".
std::string_view cellName(int cell);

// The cell of every position of every reel, worked out from the strips and the marks.
using CellTable = std::array<std::array<std::int8_t, StripLength + 1>, ReelCount>;
CellTable buildCellTable(const std::array<std::string_view, ReelCount>& strips);

} // namespace slotmachine::orevein
