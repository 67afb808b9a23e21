#include "engine/state/ReelStrips.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace slotmachine {

bool isValidStrip(std::string_view strip) {
    return strip.size() == StripLength &&
           std::all_of(strip.begin(), strip.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void fillStrips(GameState& state, const GameValues& values) {
    for (int reel = 0; reel < ReelCount; ++reel) {
        const auto r = static_cast<std::size_t>(reel);
        if (!isValidStrip(values.strips[r])) {
            throw std::invalid_argument("reel strip " + std::to_string(reel) + " is not 30 decimal digits");
        }
        const std::int32_t stop = values.initialStops[r];
        if (stop < 1 || stop > StripLength) {
            throw std::invalid_argument("initial stop of reel " + std::to_string(reel) + " is not 1 to 30");
        }
        state.ReelStrip[r] = std::string(values.strips[r]);
        state.ReelStop[r] = stop;
    }
}

} // namespace slotmachine
