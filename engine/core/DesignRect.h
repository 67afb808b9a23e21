#pragma once

#include "engine/core/ReelGeometry.h"

#include <QRect>
#include <cstdint>

namespace slotmachine {

// A place on the machine picture in design coordinates (the 800-pixel-wide
// design). Each place is written down once and serves both the drawing and the
// pointer.
struct DesignRect {
    std::int32_t left, top, right, bottom;

    // The pixels drawn over for a layout: each edge scaled on its own, right and
    // bottom exclusive.
    QRect scaled(const ReelGeometry& g) const {
        const int l = g.ScaleUnit(left);
        const int t = g.ScaleUnit(top);
        return {l, t, g.ScaleUnit(right) - l, g.ScaleUnit(bottom) - t};
    }

    // Whether a pointer press at window pixel (x, y) is on the place: every scaled
    // edge is included, so a press on the right or bottom edge counts.
    bool hit(const ReelGeometry& g, int x, int y) const {
        return x >= g.ScaleUnit(left) && x <= g.ScaleUnit(right) && y >= g.ScaleUnit(top) &&
               y <= g.ScaleUnit(bottom);
    }

    friend constexpr bool operator==(const DesignRect&, const DesignRect&) = default;
};

} // namespace slotmachine
