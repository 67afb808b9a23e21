#pragma once

#include <QRect>
#include <cstdint>

class QImage;
class QPainter;

namespace slotmachine {

struct MachinePictures;

// The size of one digit glyph for a layout width: small glyphs below 1000 pixels,
// large ones from there on (also beyond 10000, the largest layouts).
struct DigitCell {
    int width;
    int height;
};
DigitCell digitCellFor(std::int32_t layoutWidth);

// Draws `value` from the digit glyphs (green or red) with its top at `y` and its
// left edge, or right-anchored its right edge, at `x`, in the target's pixels.
// Black is filled one cell beyond the number on the side away from the anchor, so a
// number that loses a digit leaves no stale glyph behind. Returns the rectangle
// drawn over.
QRect DrawDigits(QPainter& painter, const MachinePictures& pictures, std::int32_t layoutWidth,
                 std::int32_t value, int x, int y, bool green, bool rightAnchored);

} // namespace slotmachine
