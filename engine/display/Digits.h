#pragma once

#include <QRect>
#include <cstdint>
#include <optional>

class QImage;
class QPainter;

namespace slotmachine {

struct MachinePictures;

// The size of one digit glyph for a layout width: small glyphs (16x21) below 1000
// pixels, large ones (32x42) up to 1024, and beyond that large ones grown with the
// layout (80x105 at 2560).
struct DigitCell {
    int width;
    int height;
};
DigitCell digitCellFor(std::int32_t layoutWidth);

// The glyphs of the red and green digit strips of a machine's pictures: the small
// ones below a layout width of 1000, the large ones above.
inline constexpr DigitCell SmallDigitGlyph{16, 21};
inline constexpr DigitCell LargeDigitGlyph{32, 42};

// Draws `value` from the digit glyphs (green or red) with its top at `y` and its
// left edge, or right-anchored its right edge, at `x`, in the target's pixels.
// Each glyph fills the layout's digit cell: a strip as high as the cell holds
// glyphs of the cell's size (a strip rendered for a large layout); any other is
// cut into its own 16- or 32-pixel glyphs, which are stretched to the cell.
// Black is filled one cell beyond the number on the side away from the anchor, so a
// number that loses a digit leaves no stale glyph behind. Returns the rectangle
// drawn over.
//
// With a `room`, the meter paints only within that many pixels from its anchor
// (and one cell high): the clearing stops at the room's end, and a number whose
// digits do not all fit is drawn with narrower digits, as high as the others,
// that share the room between them. A meter thus always shows its true value,
// never a cut-off one nor the largest number that fits, which would both misstate
// it (credits above all); the values that fit, which are the ones play brings,
// keep their glyphs and their look.
QRect DrawDigits(QPainter& painter, const MachinePictures& pictures, std::int32_t layoutWidth,
                 std::int32_t value, int x, int y, bool green, bool rightAnchored,
                 std::optional<int> room = std::nullopt);

} // namespace slotmachine
