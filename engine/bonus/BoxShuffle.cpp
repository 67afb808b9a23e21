#include "engine/bonus/BoxShuffle.h"

#include "engine/core/Random.h"

#include <utility>

namespace slotmachine {

void refillAndShuffleBoxes(GameState& state, const GameValues& values, Random& random) {
    state.BoxValues = values.boxValues;
    for (int round = 0; round < 1001; ++round) {
        for (int i = 0; i < BoxCount; ++i) {
            const int j = random(BoxCount);
            std::swap(state.BoxValues[static_cast<std::size_t>(i)],
                      state.BoxValues[static_cast<std::size_t>(j)]);
        }
    }
}

} // namespace slotmachine
