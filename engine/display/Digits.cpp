#include "engine/display/Digits.h"

#include "engine/display/FixedSizes.h"
#include "engine/display/MachinePictures.h"

#include <QPainter>
#include <algorithm>
#include <string>

namespace slotmachine {

DigitCell digitCellFor(std::int32_t layoutWidth) {
    if (layoutWidth < 1000) {
        return SmallDigitGlyph;
    }
    return {grownPixels(layoutWidth, LargeDigitGlyph.width), grownPixels(layoutWidth, LargeDigitGlyph.height)};
}

QRect DrawDigits(QPainter& painter, const MachinePictures& pictures, std::int32_t layoutWidth,
                 std::int32_t value, int x, int y, bool green, bool rightAnchored, std::optional<int> room) {
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

    // Too long for its room: narrower digits share it.
    const bool narrowed = room && n * cell.width > *room;
    const int digitWidth = narrowed ? std::max(1, *room / n) : cell.width;
    int left = rightAnchored ? x - n * digitWidth : x;
    // The clearing box, one cell wider than the number, away from the anchor, and
    // never beyond the room.
    const int clearLeft = rightAnchored ? left - cell.width : left;
    QRect clear(clearLeft, y, n * digitWidth + cell.width, cell.height);
    painter.save();
    if (room) {
        const QRect roomRect(rightAnchored ? x - *room : x, y, *room, cell.height);
        clear &= roomRect;
        painter.setClipRect(roomRect, Qt::IntersectClip);
    }
    if (narrowed) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    }
    painter.fillRect(clear, Qt::black);

    for (const char c : text) {
        const int d = c - '0';
        painter.drawImage(QRect(left, y, digitWidth, cell.height), strip,
                          QRect(d * glyph.width, 0, glyph.width, glyph.height));
        left += digitWidth;
    }
    painter.restore();
    return clear;
}

} // namespace slotmachine
