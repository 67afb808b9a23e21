#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace slotmachine {

// Game totals are signed 32-bit values that must never wrap around, whatever a
// record file or a very long session brings; sums stop at the limits instead.
constexpr std::int32_t clampToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

constexpr std::int32_t addClamped(std::int32_t a, std::int32_t b) {
    return clampToInt32(static_cast<std::int64_t>(a) + b);
}

constexpr std::int32_t multiplyClamped(std::int32_t a, std::int32_t b) {
    return clampToInt32(static_cast<std::int64_t>(a) * b);
}

// True when a + b fits into a signed 32-bit value.
constexpr bool sumFits(std::int32_t a, std::int32_t b) {
    const std::int64_t sum = static_cast<std::int64_t>(a) + b;
    return sum >= std::numeric_limits<std::int32_t>::min() && sum <= std::numeric_limits<std::int32_t>::max();
}

} // namespace slotmachine
