#pragma once

#include "engine/core/DesignRect.h"
#include "engine/core/MachineDisplay.h"
#include "engine/core/TitleGlass.h"

#include <cstdint>

namespace slotmachine {

// Where every machine picture has room for what the engine draws over it. The
// buttons are also where a press bets or spins. A game's own places (its title
// glass, hold lamps, line bars) are among its values.
inline constexpr DesignRect SpinButtonPlace{577, 293, 655, 352};
inline constexpr DesignRect BetOneButtonPlace{577, 362, 655, 421};
inline constexpr DesignRect BetFiveButtonPlace{577, 432, 655, 491};
inline constexpr DesignRect TitleStripPlace{225, 545, 654, 590};
inline constexpr DesignRect CoinSignPlace{560, 99, 644, 184};
// A press here bets one coin: it stops short of the drawn sign's right and bottom.
inline constexpr DesignRect CoinSignHitArea{560, 99, 643, 181};
inline constexpr DesignRect BonusMeterBox{578, 223, 656, 282};
inline constexpr DesignRect WinningsClearBox{330, 43, 450, 74};
inline constexpr DesignRect MachinePlace{0, 0, 800, 600};
// The dark glass of the coin tray, bottom left: the machine's messages show there.
inline constexpr DesignRect CoinTrayGlass{69, 544, 207, 580};

inline constexpr std::int32_t CaptionTop = 30; // text top of the meter captions
inline constexpr std::int32_t MeterTop = 43;   // top of the meter digits

// Where each of the engine's meters shows its caption and digits; a caption wider
// than its meter's place (a long word in another language) is written smaller.
inline constexpr DesignRect CreditsMeterPlace{WinningsClearBox.right, CaptionTop, CreditsMeterRight,
                                              WinningsClearBox.bottom};
inline constexpr DesignRect CoinsMeterPlace{CoinsMeterLeft, CaptionTop, 300, WinningsClearBox.bottom};
inline constexpr DesignRect WinningsMeterPlace{WinningsClearBox.left, CaptionTop, WinningsMeterRight,
                                               WinningsClearBox.bottom};

// The bonus meter picture: a column of 13 cells numbered 0 (full) to 12 (empty).
inline constexpr int BonusCellWidth = 78;
inline constexpr int BonusCellHeight = 59;

// The logo is drawn unscaled at this window pixel.
inline constexpr int LogoMargin = 5;

} // namespace slotmachine
