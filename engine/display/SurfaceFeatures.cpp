// What the surface draws for a game's own features: picture halves, meters of its
// own, text boxes and single symbol cells.
#include "engine/display/Digits.h"
#include "engine/display/FixedSizes.h"
#include "engine/display/MachineSurface.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace slotmachine {

namespace {

// The lit (lower) or unlit (upper) half of a picture, halves of its height
// rounded down.
QRect halfOf(const QImage& picture, bool lit) {
    const int half = picture.height() / 2;
    return lit ? QRect(0, half, picture.width(), picture.height() - half)
               : QRect(0, 0, picture.width(), half);
}

} // namespace

void MachineSurface::DrawPictureHalf(const QString& name, const DesignRect& place, bool lit) {
    const QImage* picture = pictures_.named(name);
    if (picture == nullptr || picture->isNull()) {
        return;
    }
    const QRect target = place.scaled(geometry_);
    QPainter painter(&surface_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, *picture, halfOf(*picture, lit));
    markChanged(target);
}

void MachineSurface::DrawMaskedPictureHalf(const QString& name, const QString& maskName,
                                           const DesignRect& place, bool lit) {
    const QImage* picture = pictures_.named(name);
    const QImage* mask = pictures_.named(maskName);
    if (picture == nullptr || mask == nullptr || picture->isNull() || mask->isNull()) {
        return;
    }
    // Both halves are cut by the picture's size, as the mask is made to match it.
    const QRect source = halfOf(*picture, lit);
    const QRect target = place.scaled(geometry_);
    // Scaled without smoothing first: a mask blurred at its edges would darken
    // what it should leave alone.
    const QImage maskPart = mask->copy(source)
                                .scaled(target.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                .convertToFormat(QImage::Format_RGB32);
    const QImage picturePart =
        picture->copy(source).scaled(target.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QPainter painter(&surface_);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(target.topLeft(), maskPart);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(target.topLeft(), picturePart);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    markChanged(target);
}

void MachineSurface::DrawMeter(std::int32_t value, std::int32_t designX, MeterColour colour,
                               bool rightAnchored, int roomCells) {
    const int cell = digitCellFor(geometry_.layoutWidth).width;
    int room = roomCells * cell;
    // On large layouts the digit cells outgrow the design's spacing, and a game's
    // meter beside the Coins meter (its clearing cell, or a further digit) would
    // blank the Coins digit: a game's meter never paints over it.
    const int coinsDigitRight = ScaleUnit(CoinsMeterLeft) + cell;
    if (rightAnchored && ScaleUnit(designX) > coinsDigitRight) {
        room = std::min(room, ScaleUnit(designX) - coinsDigitRight);
    }
    drawMeter(value, designX, colour == MeterColour::Green, rightAnchored, room);
}

int MachineSurface::pixelSizeOf(double points) const {
    return std::max(1, static_cast<int>(std::lround(points * screen_.logicalDpi / 72.0)));
}

void MachineSurface::DrawTextBox(const DesignRect& place, const std::vector<TextBoxLine>& lines) {
    const QRect box = place.scaled(geometry_);
    QPainter painter(&surface_);
    painter.fillRect(box, Qt::black);
    // Whatever a line's font does, nothing is painted outside the box.
    painter.setClipRect(box);
    QRect changedArea = box;
    for (const TextBoxLine& line : lines) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        // A line wider than the box (a count only a damaged record brings), or too
        // tall for what is left of it below the line's top, is written smaller until
        // it fits: all of its value stays in sight. Lines that fit keep their size.
        int pixels = pixelSizeOf(line.points);
        const int roomBelow = box.bottom() + 1 - ScaleUnit(line.designTop);
        font.setPixelSize(pixels);
        while (pixels > 1 && (QFontMetrics(font).horizontalAdvance(line.text) > box.width() ||
                              QFontMetrics(font).ascent() > roomBelow)) {
            font.setPixelSize(--pixels);
        }
        const QFontMetrics metrics(font);
        const int width = metrics.horizontalAdvance(line.text);
        const int left = ScaleUnit(line.designCentreX) - width / 2;
        const int top = ScaleUnit(line.designTop);
        painter.setFont(font);
        painter.setPen(line.colour);
        painter.drawText(left, top + metrics.ascent(), line.text);
        changedArea = changedArea.united(QRect(left, top, width, metrics.height()));
    }
    markChanged(changedArea);
}

void MachineSurface::DrawSymbolCell(int reel, int row, int cell) {
    const int size = geometry_.SymbolSize;
    const QRect column = reelColumn(reel);
    const QRect target(column.left(), column.top() + row * size, size, size);
    {
        QPainter painter(&surface_);
        drawSheetCell(painter, cell, target);
    }
    markChanged(target);
    DrawPayline();
}

} // namespace slotmachine
