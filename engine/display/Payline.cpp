#include "engine/display/Payline.h"

#include <QPainter>

namespace slotmachine {

void drawRedPayline(QPainter& painter, const ReelGeometry& g) {
    const int y = g.ReelTop + g.SymbolSize + g.SymbolSize / 2;
    const int x0 = g.ScaleUnit(241);
    const int x1 = g.ScaleUnit(557);
    if (x1 <= x0) {
        return;
    }
    // A filled one-pixel row rather than a line, so that the end point is left out
    // exactly and no pen width or antialiasing can widen it.
    painter.fillRect(x0, y, x1 - x0, 1, QColor(255, 0, 0));
}

} // namespace slotmachine
