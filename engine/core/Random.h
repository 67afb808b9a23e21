#pragma once

#include <cstdint>

namespace slotmachine {

// The program's one pseudo-random generator: a 32-bit linear congruential state,
// whose draws take the upper half of the 64-bit product state × n, so every
// result from 0 to n - 1 comes from a range of states of equal size.
class Random {
public:
    explicit Random(std::uint32_t seed = 0) : state_(seed) {}

    void seed(std::uint32_t seed) { state_ = seed; }

    // Seeds from the current time of day in UTC, in milliseconds since midnight.
    void seedFromTimeOfDay();

    // ((hour × 60 + minute) × 60 + second) × 1000 + millisecond.
    static std::uint32_t timeOfDaySeed(int hour, int minute, int second, int millisecond);

    // A number from 0 to n - 1. Every call advances the state, also for n = 1; a
    // count below 1 is taken as 1.
    std::int32_t operator()(std::int32_t n) {
        state_ = state_ * 134775813u + 1u;
        const std::uint64_t range = n < 1 ? 1u : static_cast<std::uint32_t>(n);
        return static_cast<std::int32_t>((static_cast<std::uint64_t>(state_) * range) >> 32);
    }

    std::uint32_t state() const { return state_; }

private:
    std::uint32_t state_;
};

} // namespace slotmachine
