#pragma once

#include "engine/core/DesignRect.h"

namespace slotmachine {

// Where a machine's title glass lamp lies: reaching down to the reels, or
// ending above lamps or buttons over the reels. Its unlit picture has its size.
inline constexpr DesignRect TallTitleGlassPlace{247, 98, 549, 263};
inline constexpr DesignRect ShortTitleGlassPlace{247, 98, 549, 241};

} // namespace slotmachine
