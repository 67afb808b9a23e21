#include "engine/display/Digits.h"

#include "engine/display/FixedSizes.h"
#include "engine/display/MachinePictures.h"

#include <QPainter>
#include <string>

namespace slotmachine {

DigitCell digitCellFor(std::int32_t layoutWidth) {
    if (layoutWidth < 1000) {
        return SmallDigitGlyph;
    }
    return {grownPixels(layoutWidth, LargeDigitGlyph.width), grownPixels(layoutWidth, LargeDigitGlyph.height)};
}

QRect DrawDigits(QPainter& painter, const MachinePictures& pictures, std::int32_t layoutWidth,
                 std::int32_t value, int x, int y, bool green, bool rightAnchored) {
    // Meter values are never negative; a sign would have no glyph.
    std::string text = std::to_string(value < 0 ? 0 : value);
    if (text.size() > 10) {
        text.resize(10);
    }
    const int n = static_cast<int>(text.size());
    const DigitCell cell = digitCellFor(layoutWidth);
    const bool large = layoutWidth >= 1000;
    const QImage& strip =
        green ? (large ? pictures.GreenLarge : pictures.GreenSmall) : (large ? pictures.DigitsLarge : pictures.DigitsSmall);
    const DigitCell glyph = strip.height() == cell.height ? cell : large ? LargeDigitGlyph : SmallDigitGlyph;

    int left = rightAnchored ? x - n * cell.width : x;
    // The clearing box, one cell wider than the number, away from the anchor.
    const int clearLeft = rightAnchored ? left - cell.width : left;
    const QRect clear(clearLeft, y, (n + 1) * cell.width, cell.height);
    painter.fillRect(clear, Qt::black);

    for (const char c : text) {
        const int d = c - '0';
        painter.drawImage(QRect(left, y, cell.width, cell.height), strip,
                          QRect(d * glyph.width, 0, glyph.width, glyph.height));
        left += cell.width;
    }
    return clear;
}

} // namespace slotmachine
