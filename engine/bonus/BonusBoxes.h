#pragma once

#include <QRect>
#include <cstddef>

namespace slotmachine {

// The boxes on the bonus board, in the board picture's own 640 by 480 pixels: two
// columns of four, each box 86 pixels square (both bounds count). The left column
// holds boxes 1 to 4, the right one 5 to 8.
inline constexpr int BonusBoxColumnLeft[] = {400, 505};
inline constexpr int BonusBoxRowTop[] = {30, 125, 220, 315};
inline constexpr int BonusBoxSpan = 85;

// Box `box` (1 to 8) on the board's own pixels.
constexpr QRect bonusBoxArea(int box) {
    const auto column = static_cast<std::size_t>((box - 1) / 4);
    const auto row = static_cast<std::size_t>((box - 1) % 4);
    return {BonusBoxColumnLeft[column], BonusBoxRowTop[row], BonusBoxSpan + 1, BonusBoxSpan + 1};
}

} // namespace slotmachine
