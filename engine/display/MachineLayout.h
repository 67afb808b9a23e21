#pragma once

#include "engine/display/ReelGeometry.h"

#include <QRect>
#include <cstdint>

namespace slotmachine {

// A place on the machine picture in design coordinates; right and bottom are
// exclusive.
struct DesignRect {
    std::int32_t left, top, right, bottom;

    // The place in window pixels for a layout.
    QRect scaled(const ReelGeometry& g) const {
        const int l = g.ScaleUnit(left);
        const int t = g.ScaleUnit(top);
        return {l, t, g.ScaleUnit(right) - l, g.ScaleUnit(bottom) - t};
    }
};

// Where the machine picture has room for what is drawn over it.
inline constexpr DesignRect SpinButtonPlace{577, 293, 655, 352};
inline constexpr DesignRect BetOneButtonPlace{577, 362, 655, 421};
inline constexpr DesignRect BetFiveButtonPlace{577, 432, 655, 491};
inline constexpr DesignRect TitleGlassPlace{247, 98, 549, 263};
inline constexpr DesignRect TitleStripPlace{225, 545, 654, 590};
inline constexpr DesignRect CoinSignPlace{560, 99, 644, 184};
inline constexpr DesignRect BonusMeterBox{578, 223, 656, 282};
inline constexpr DesignRect WinningsClearBox{330, 43, 450, 74};
inline constexpr DesignRect MachinePlace{0, 0, 800, 600};

inline constexpr std::int32_t CaptionTop = 30; // text top of the meter captions
inline constexpr std::int32_t MeterTop = 43;   // top of the meter digits

// The bonus meter picture: a column of 13 cells numbered 0 (full) to 12 (empty).
inline constexpr int BonusCellWidth = 78;
inline constexpr int BonusCellHeight = 59;

// The logo is drawn unscaled at this window pixel.
inline constexpr int LogoMargin = 5;

} // namespace slotmachine
