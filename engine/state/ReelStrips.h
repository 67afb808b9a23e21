#pragma once

#include "engine/core/GameState.h"
#include "engine/core/GameValues.h"

#include <string_view>

namespace slotmachine {

// Reel positions run from 1 to 30 and wrap around: after 30 comes 1.
constexpr int nextPosition(int position) {
    return position >= StripLength ? 1 : position + 1;
}
constexpr int previousPosition(int position) {
    return position <= 1 ? StripLength : position - 1;
}

// True for a text of exactly 30 decimal digits.
bool isValidStrip(std::string_view strip);

// Copies the game's strips into the state and puts the reels at the game's
// initial stops. Throws std::invalid_argument for a malformed strip or stop.
void fillStrips(GameState& state, const GameValues& values);

// The symbol code (0 to 9) at `position` (1 to 30) of `reel`'s strip.
inline int codeAt(const GameState& state, int reel, int position) {
    return state.ReelStrip[static_cast<std::size_t>(reel)][static_cast<std::size_t>(position - 1)] - '0';
}

// The strip position shown in `row` (0 top, 1 payline, 2 bottom) of `reel`.
inline int rowPosition(const GameState& state, int reel, int row) {
    int position = state.ReelStop[static_cast<std::size_t>(reel)];
    for (int k = 0; k < row; ++k) {
        position = nextPosition(position);
    }
    return position;
}

// The strip position on the payline, the middle row, of `reel`.
inline int paylinePosition(const GameState& state, int reel) {
    return rowPosition(state, reel, 1);
}

} // namespace slotmachine
