#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace slotmachine {

// The meters, their captions, the bonus meter cell, the logo and the payline have
// pixel sizes of their own rather than design coordinates. Up to this layout width
// they keep them; on wider layouts they grow with the layout, so that they keep
// their share of the machine instead of shrinking to specks inside large frames.
inline constexpr std::int32_t FixedSizeLayoutWidth = 1024;

// How much the fixed sizes grow on a layout: 1 up to 1024 pixels, then the layout
// width over 1024.
inline double fixedSizeScale(std::int32_t layoutWidth) {
    return layoutWidth <= FixedSizeLayoutWidth ? 1.0 : static_cast<double>(layoutWidth) / FixedSizeLayoutWidth;
}

// A fixed size of `pixels` on a layout, rounded to whole pixels and never below one.
inline int grownPixels(std::int32_t layoutWidth, int pixels) {
    if (layoutWidth <= FixedSizeLayoutWidth) {
        return pixels;
    }
    return std::max(1, static_cast<int>(std::lround(pixels * fixedSizeScale(layoutWidth))));
}

} // namespace slotmachine
