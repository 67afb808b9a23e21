#pragma once

#include <QRect>
#include <QSize>

namespace slotmachine {

// How much the game's windows grow with the machine: `fixedSizeScale` of the machine's
// layout width in logical pixels (1 up to 1024). The program sets it once it knows the
// layout width (applyWindowFinish); every window grows its fixed sizes and type by it.
void setWindowScale(double scale);
double windowScale();

// A fixed size in a window's design, grown by the window scale.
int scaledPixels(int pixels);
QSize scaledSize(QSize size);
QRect scaledRect(const QRect& rect);
// A point size of a window's design, grown by the window scale.
qreal scaledPointSize(qreal points);

} // namespace slotmachine
