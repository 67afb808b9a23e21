#include "engine/core/ReelGeometry.h"

#include <algorithm>

namespace slotmachine {

std::int32_t scaleUnit(std::int32_t layoutWidth, std::int32_t v) {
    const double factor = layoutWidth * 0.00125;
    return static_cast<std::int32_t>(factor * v);
}

std::int32_t layoutWidthFor(std::int32_t areaWidth, std::int32_t areaHeight) {
    const std::int64_t fromHeight = static_cast<std::int64_t>(areaHeight) * 4 / 3;
    return static_cast<std::int32_t>(std::max<std::int64_t>(0, std::min<std::int64_t>(areaWidth, fromHeight)));
}

ReelGeometry ReelGeometry::forLayoutWidth(std::int32_t layoutWidth, std::int32_t motionHeight) {
    ReelGeometry g;
    g.layoutWidth = layoutWidth;
    g.ReelLeft = g.ScaleUnit(258);
    g.ReelTop = g.ScaleUnit(272);
    g.SymbolSize = g.ScaleUnit(76);
    g.ReelPitch = g.ScaleUnit(104);
    g.StripHeight = g.ScaleUnit(motionHeight);
    return g;
}

} // namespace slotmachine
