#pragma once

#include "engine/display/ReelGeometry.h"

class QPainter;

namespace slotmachine {

// The single red payline across the middle row of the reels, one pixel high, from
// design x 241 up to (not including) design x 557.
void drawRedPayline(QPainter& painter, const ReelGeometry& geometry);

} // namespace slotmachine
