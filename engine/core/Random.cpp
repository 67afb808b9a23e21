#include "engine/core/Random.h"

#include <chrono>

namespace slotmachine {

std::uint32_t Random::timeOfDaySeed(int hour, int minute, int second, int millisecond) {
    return static_cast<std::uint32_t>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond);
}

void Random::seedFromTimeOfDay() {
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    const auto sinceMidnight = sinceEpoch % days(1);
    const auto ms = sinceMidnight.count();
    seed(timeOfDaySeed(static_cast<int>(ms / 3'600'000), static_cast<int>(ms / 60'000 % 60),
                       static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)));
}

} // namespace slotmachine
