#pragma once

#include "engine/core/ReelGeometry.h"

class QPainter;

namespace slotmachine {

// The height of a payline: one pixel up to a layout width of 1024, grown with the
// layout beyond (3 pixels at 2560). Games that draw lines of their own use it too.
int paylineThickness(const ReelGeometry& geometry);

// The single red payline across the middle row of the reels, from design x 241 up
// to (not including) design x 557, `paylineThickness` high.
void drawRedPayline(QPainter& painter, const ReelGeometry& geometry);

} // namespace slotmachine
