#pragma once

#include <cstdint>

namespace slotmachine {

// Width of the machine picture that every design coordinate refers to.
inline constexpr std::int32_t DesignWidth = 800;
// Height of the built-in motion picture of a spinning reel.
inline constexpr std::int32_t DesignMotionHeight = 456;

// The window pixel for design coordinate `v` when the machine is laid out
// `layoutWidth` pixels wide: the width times 0.00125 first, that times v, truncated.
std::int32_t scaleUnit(std::int32_t layoutWidth, std::int32_t v);

// The layout width for an area of the screen: the width of the largest 4:3 area
// that fits it, so the whole machine is on screen also on wide screens.
std::int32_t layoutWidthFor(std::int32_t areaWidth, std::int32_t areaHeight);

// Where the reels lie in window pixels, derived once from the layout width.
struct ReelGeometry {
    std::int32_t layoutWidth = DesignWidth;
    std::int32_t ReelLeft = 258;    // left edge of reel 0's symbol column
    std::int32_t ReelTop = 272;     // top edge of the top symbol row
    std::int32_t SymbolSize = 76;   // edge of one square symbol cell
    std::int32_t ReelPitch = 104;   // from one reel's left edge to the next
    std::int32_t StripHeight = 456; // height of the stretched motion picture

    // `motionHeight` is the height of the motion picture in use (a replacement
    // picture may differ from the built-in one).
    static ReelGeometry forLayoutWidth(std::int32_t layoutWidth,
                                       std::int32_t motionHeight = DesignMotionHeight);

    std::int32_t ScaleUnit(std::int32_t v) const { return scaleUnit(layoutWidth, v); }
};

} // namespace slotmachine
