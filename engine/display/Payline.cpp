#include "engine/display/Payline.h"

#include "engine/display/FixedSizes.h"

#include <QPainter>

namespace slotmachine {

int paylineThickness(const ReelGeometry& g) {
    return grownPixels(g.layoutWidth, 1);
}

void drawRedPayline(QPainter& painter, const ReelGeometry& g) {
    const int y = g.ReelTop + g.SymbolSize + g.SymbolSize / 2;
    const int x0 = g.ScaleUnit(241);
    const int x1 = g.ScaleUnit(557);
    if (x1 <= x0) {
        return;
    }
    // Filled rows rather than a line, so that the end point is left out exactly and
    // no pen width or antialiasing can widen it; centred on the middle row's centre.
    const int thickness = paylineThickness(g);
    painter.fillRect(x0, y - (thickness - 1) / 2, x1 - x0, thickness, QColor(255, 0, 0));
}

} // namespace slotmachine
